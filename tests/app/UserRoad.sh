#!/usr/bin/env bash
# A user's whole road through the program under Xvfb, with nothing but keys, menus, tool
# buttons and the mouse: a new InterBase 6 schema, two entities with columns, a relation with
# a key pair, the check, the script saved from its viewer, the documentation, printing to a
# PDF file, saving, closing and reopening the schema, saving it again, quitting, and a second
# start that opens it from the recent files. user_road_check.py then checks what came out: the
# schema file and the one saved after reopening, the script on a Firebird database, the site,
# the PDF, and the diagram before closing and after each reopening.
# Arguments: the program, the folder for the screenshots, the checker. Run it through xvfb-run.
# The main steps leave their screenshots (road-NN-step.png), a failing one road-failed.png.
# Coordinates are those of the maximised schema window in the program's first 652 x 480 frame
# on a 1024 x 768 screen: the tool buttons at y = 34, entity x = 260, relation x = 285.
set -u
program=$1
out=$2
checker=$3
mkdir -p "$out"
rm -f "$out"/road-*.png "$out"/road-program.log

# A clean start: the program keeps its settings and recent files in an ini file beside itself
# (or in the user's configuration folder where it cannot write there), so it runs from a fresh
# folder of its own, with its plug-ins, pictures and manual linked in, and a fresh home; it is
# started from an empty folder, and everything it writes is kept beside them.
root=$(mktemp -d "${TMPDIR:-/tmp}/morvik-road-XXXXXX")
export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config
mkdir -p "$HOME" "$root/work" "$root/files" "$root/program"
built=$(dirname "$program")
for part in "$program" "$built/DLL" "$built/Images" "$built/manual"; do
  cp -al "$part" "$root/program/" 2>/dev/null || cp -a "$part" "$root/program/" || exit 1
done
program=$root/program/$(basename "$program")
files=$root/files

prefix=road
# shellcheck source=xvfb_road.sh
source "${BASH_SOURCE%/*}/xvfb_road.sh"
failure_note="the program's output: $out/road-program.log; its files: $files"

wait_file() {
  for _ in $(seq 1 150); do
    [ -s "$1" ] && return 0
    sleep 0.2
  done
  fail "no file $1"
}
click() { # x, y[, count]
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click --repeat "${3:-1}" --delay 80 1
}
# The screen once it has stopped changing: two pictures in a row alike.
settle() {
  import -window root "$root/settle-a.png"
  for _ in $(seq 1 30); do
    sleep 0.3
    import -window root "$root/settle-b.png"
    [ "$(compare -metric AE "$root/settle-a.png" "$root/settle-b.png" null: 2>&1)" = "0" ] && return 0
    mv "$root/settle-b.png" "$root/settle-a.png"
  done
  fail "the screen keeps changing"
}

# Through the entity dialog: the name, then on "Atributy" one new column per "name type key".
fill_entity() {
  local name=$1
  shift
  focus "Vlastnosti entity"
  xdotool type --delay 20 "$name"
  xdotool key ctrl+Tab
  for column in "$@"; do
    set -- $column
    focus "Vlastnosti entity"
    xdotool key alt+n
    focus "Nový atribut"
    xdotool type --delay 20 "$1"
    [ "$3" = key ] && xdotool key alt+k
    xdotool key alt+t
    xdotool type --delay 40 "$2"
    xdotool key Return
    gone "Nový atribut"
  done
  focus "Vlastnosti entity"
  xdotool key alt+o
  gone "Vlastnosti entity"
}

schema="Morvik - [Nepojmenovaný 1 (InterBase 6)]"
saved="Morvik - [schema.xml (InterBase 6)]"

(cd "$root/work" && exec "$program") >"$out/road-program.log" 2>&1 &
pid=$!

focus "Morvik"
shot 01-started

# A new schema on InterBase 6, its window maximised by a double click on its title bar.
xdotool key ctrl+n
focus "Výběr cílové databáze"
xdotool key Return
gone "Výběr cílové databáze"
click 200 91 2
wait_windows "$schema" >/dev/null || fail "no schema Nepojmenovaný 1 on InterBase 6"
shot 02-new-schema

# Two entities: the entity tool, then a click on the desktop; a double click opens each one's
# dialog, where the columns are added.
click 260 34
click 300 200
click 260 34
click 480 300
click 340 225 2
fill_entity CUSTOMER "ID INTEGER key" "CREATED DATE -"
click 560 316 2
fill_entity ORDERS "NUM INTEGER key" "CUSTOMER_ID INTEGER -"
shot 03-entities

# A relation dragged from CUSTOMER to ORDERS with the relation tool, then its dialog: the
# name, and on "Atributy" the pair ID - CUSTOMER_ID.
click 285 34
xdotool mousemove 370 215
sleep 0.2
xdotool mousedown 1
for p in "380 225" "400 240" "450 270" "500 300" "540 316"; do
  sleep 0.1
  xdotool mousemove $p
done
sleep 0.2
xdotool mouseup 1
sleep 0.5
click 490 271 2
focus "Vlastnosti relace"
xdotool key alt+n
xdotool type --delay 20 FK_ORDERS_CUSTOMER
xdotool key ctrl+Tab alt+n
focus "Výběr atributů relace"
xdotool type --delay 40 ID
xdotool key alt+c
xdotool type --delay 40 CUSTOMER_ID
xdotool key Return
gone "Výběr atributů relace"
focus "Vlastnosti relace"
xdotool key alt+o
gone "Vlastnosti relace"
shot 04-relation

# Model > Zkontrolování modelu: no findings.
focus "$schema"
xdotool key alt+m
sleep 0.3
xdotool key Down Down Return
focus "Kontrola chyb"
shot 05-checked
xdotool key Return
gone "Kontrola chyb"

# Model > Generování skriptu...: the viewer shows the script, and its Ctrl+S saves it under
# a name typed into the file dialog.
focus "$schema"
xdotool key alt+m
sleep 0.3
xdotool key Down Down Down Return
focus "Vygenerovaný skript"
shot 06-script
xdotool key ctrl+s
focus "Uložit jako"
xdotool type --delay 10 "$files/script.sql"
xdotool key Return
wait_file "$files/script.sql"
focus "Vygenerovaný skript"
xdotool key Escape
gone "Vygenerovaný skript"

# Model > Generování dokumentace...: the folder typed in, Return generates the site and a
# message tells so; Esc closes the dialog.
focus "$schema"
xdotool key alt+m
sleep 0.3
xdotool key Down Down Down Down Down Return
documentation=$(wait_windows "Generování dokumentace") || fail "no documentation dialog"
xdotool windowfocus --sync "$documentation"
xdotool type --delay 10 "$files/doc"
xdotool key Return
wait_windows "Generování dokumentace" 2 >/dev/null || fail "no message after generating the documentation"
shot 07-documentation
for w in $(windows_named "Generování dokumentace"); do
  [ "$w" != "$documentation" ] && xdotool windowfocus --sync "$w" && xdotool key Return
done
wait_windows "Generování dokumentace" >/dev/null || fail "the documentation's message did not close"
xdotool windowfocus --sync "$documentation"
xdotool key Escape
gone "Generování dokumentace"

# Ctrl+P: the print dialog's Return prints, into a PDF file named in the file dialog.
focus "$schema"
xdotool key ctrl+p
focus "Nastavení tisku"
shot 08-print
xdotool key Return
focus "Tisk do souboru PDF"
xdotool type --delay 10 "$files/print.pdf"
xdotool key Return
focus "Morvik"
wait_file "$files/print.pdf"
xdotool key Return
gone "Morvik"

# Save as a file typed into the dialog; the frame then shows the file's name. A click on the
# empty desktop first leaves nothing selected for the picture of the diagram.
click 250 410
focus "$schema"
xdotool key ctrl+s
focus "Uložení projektu"
xdotool type --delay 10 "$files/schema.xml"
xdotool key Return
wait_windows "$saved" >/dev/null || fail "the schema was not saved as schema.xml"
wait_file "$files/schema.xml"
settle
cp "$root/settle-b.png" "$out/road-09-before-closing.png"

# Okna > Zavřít, then Ctrl+O and the same file; the window is maximised again.
focus "$saved"
xdotool key alt+o
sleep 0.3
xdotool key z
wait_windows "Morvik" >/dev/null || fail "the schema window did not close"
focus "Morvik"
xdotool key ctrl+o
focus "Otevření projektu"
xdotool type --delay 10 "$files/schema.xml"
xdotool key Return
gone "Otevření projektu"
click 200 91 2
wait_windows "$saved" >/dev/null || fail "the reopened schema is not shown"
settle
cp "$root/settle-b.png" "$out/road-10-reopened.png"

# Soubor > Uložit jako: the reopened schema saved again, to be compared with the first file.
focus "$saved"
xdotool key alt+s
sleep 0.3
xdotool key j
focus "Uložení projektu"
xdotool type --delay 10 "$files/again.xml"
xdotool key Return
wait_windows "Morvik - [again.xml (InterBase 6)]" >/dev/null || fail "the reopened schema was not saved again"
wait_file "$files/again.xml"
saved="Morvik - [again.xml (InterBase 6)]"

quit "$saved"

# A second start with the same settings: Soubor > Dříve otevřené lists the schema saved last
# as its first entry, and its "0" opens it.
(cd "$root/work" && exec "$program") >>"$out/road-program.log" 2>&1 &
pid=$!
focus "Morvik"
xdotool key alt+s
sleep 0.3
xdotool key d
sleep 0.3
shot 11-recent-files
xdotool key 0
click 200 91 2
wait_windows "$saved" >/dev/null || fail "the first recent file is not again.xml"
settle
cp "$root/settle-b.png" "$out/road-12-recent-file.png"
quit "$saved"

/usr/bin/python3 "$checker" --schema "$files/schema.xml" --again "$files/again.xml" --entities CUSTOMER ORDERS \
  --relation FK_ORDERS_CUSTOMER --before "$out/road-09-before-closing.png" \
  --after "$out/road-10-reopened.png" "$out/road-12-recent-file.png" --script "$files/script.sql" --site "$files/doc" \
  --pdf "$files/print.pdf" || fail "the checks of the results failed"
rm -rf "$root"
echo "passed"
