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
export QT_QPA_PLATFORM=xcb
# xdotool gives window names in the locale's encoding: without a UTF-8 locale (a fresh machine
# sets none) the Czech captions come back garbled and never match.
export LC_ALL=C.UTF-8
# The sanitizers stay on, without the leak check and the strict string check, which the X
# keyboard library's own reading of a server reply does not pass.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
pid=

shot() { import -window root "$out/e2e-$1.png"; }
fail() {
  echo "FAILED: $*"
  shot failed
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}
# The window whose name is exactly $1 (xdotool's search ignores capitals and matches parts).
find_window() {
  for _ in $(seq 1 150); do
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      if [ "$(xdotool getwindowname "$w")" = "$1" ]; then
        echo "$w"
        return 0
      fi
    done
    sleep 0.2
  done
  return 1
}
wait_name() { # window, name
  for _ in $(seq 1 50); do
    [ "$(xdotool getwindowname "$1")" = "$2" ] && return 0
    sleep 0.2
  done
  return 1
}

"$program" >"$out/e2e-program.log" 2>&1 &
pid=$!

main=$(find_window "Morvik") || fail "the program shows no window Morvik"
sleep 0.5
shot 1-started

xdotool windowfocus --sync "$main"
xdotool key ctrl+n
dialog=$(find_window "Výběr cílové databáze") || fail "Ctrl+N shows no database choice"
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

xdotool windowfocus --sync "$main"
xdotool key alt+x
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Alt+X"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "the program ended with $rc"
echo "passed"
