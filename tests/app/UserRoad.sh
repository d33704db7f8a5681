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

export QT_QPA_PLATFORM=xcb
# xdotool gives window names in the locale's encoding; the Czech captions need UTF-8.
export LC_ALL=C.UTF-8
# No session bus: Qt would otherwise keep trying to reach one through libdbus.
export DBUS_SESSION_BUS_ADDRESS=disabled:
# The sanitizers stay on, without the leak check and the strict string check, which the X
# keyboard library's own reading of a server reply does not pass.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
pid=

shot() { import -window root "$out/road-$1.png"; }
fail() {
  echo "FAILED: $*"
  shot failed
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  echo "the program's output: $out/road-program.log; its files: $files"
  exit 1
}

# The visible windows whose name is exactly $1 (xdotool's own search takes a pattern).
windows_named() {
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
  done
}
# Waits until exactly $2 windows are named $1 (default 1) and prints the last of them.
wait_windows() {
  local want=${2:-1} found
  for _ in $(seq 1 150); do
    found=$(windows_named "$1")
    if [ "$(printf '%s' "$found" | grep -c .)" -eq "$want" ]; then
      printf '%s\n' "$found" | tail -n 1
      return 0
    fi
    sleep 0.2
  done
  return 1
}
# Gives the keyboard to the window named $1, waiting for it first.
focus() {
  local w
  w=$(wait_windows "$1") || fail "no window \"$1\" to type into"
  xdotool windowfocus --sync "$w"
}
gone() { wait_windows "$1" 0 >/dev/null || fail "the window \"$1\" did not close"; }
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

quit() { # the window to quit from
  focus "$1"
  xdotool key alt+x
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after Alt+X"
  wait "$pid"
  local rc=$?
  pid=
  [ "$rc" -eq 0 ] || fail "the program ended with $rc"
}
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
