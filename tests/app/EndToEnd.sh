#!/usr/bin/env bash
# The program as a user meets it, under Xvfb: it starts and shows "Morvik"; Ctrl+N lists the
# plug-in's models and Enter opens "Nepojmenovaný 1" on InterBase 6; the window closes and
# the program ends with 0. A screenshot of every step is kept in the build folder, and the
# screen of a failing step as e2e-failed.png.
# Arguments: the program, the folder for the screenshots. Run it through xvfb-run.
set -u
program=$1
out=$2
mkdir -p "$out"
rm -f "$out"/e2e-*.png
prefix=e2e
# shellcheck source=xvfb_road.sh
source "${BASH_SOURCE%/*}/xvfb_road.sh"

wait_name() { # window, name
  for _ in $(seq 1 50); do
    [ "$(xdotool getwindowname "$1")" = "$2" ] && return 0
    sleep 0.2
  done
  return 1
}

"$program" >"$out/e2e-program.log" 2>&1 &
pid=$!

main=$(wait_windows "Morvik") || fail "the program shows no window Morvik"
sleep 0.5
shot 1-started

xdotool windowfocus --sync "$main"
xdotool key ctrl+n
dialog=$(wait_windows "Výběr cílové databáze") || fail "Ctrl+N shows no database choice"
sleep 0.5
shot 2-database-choice

xdotool windowfocus --sync "$dialog"
xdotool key Return
sleep 1
shot 3-new-schema
# The new schema window sits at the top left of the frame; a double click on its title bar
# maximises it, and the frame then shows its caption.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool windowfocus --sync "$main"
xdotool mousemove $((X + 200)) $((Y + 91)) click --repeat 2 --delay 80 1
wait_name "$main" "Morvik - [Nepojmenovaný 1 (InterBase 6)]" ||
  fail "no schema Nepojmenovaný 1 on InterBase 6: $(xdotool getwindowname "$main")"
shot 4-schema-maximised

# Okna > Zavřít closes the active schema window.
xdotool windowfocus --sync "$main"
xdotool key alt+o
sleep 0.5
shot 5-window-menu
xdotool key z
wait_name "$main" "Morvik" || fail "the schema window did not close: $(xdotool getwindowname "$main")"
shot 6-schema-closed

quit "Morvik"
echo "passed"
