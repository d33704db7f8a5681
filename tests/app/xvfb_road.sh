# The shell functions of the tests that drive the program under Xvfb with xdotool, sourced by
# them. Before sourcing, the test sets out (the folder for its screenshots) and prefix (how their
# names begin); it keeps the program's process id in pid while the program runs, and may set
# failure_note to a line printed when a step fails.
# shellcheck shell=bash disable=SC2154 # out and prefix come from the test

export QT_QPA_PLATFORM=xcb
# xdotool gives window names in the locale's encoding: without a UTF-8 locale (a fresh machine
# sets none) the Czech captions come back garbled and never match.
export LC_ALL=C.UTF-8
# No session bus: Qt would otherwise keep trying to reach one through libdbus.
export DBUS_SESSION_BUS_ADDRESS=disabled:
# The sanitizers stay on, without the leak check and the strict string check, which the X
# keyboard library's own reading of a server reply does not pass.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
pid=
failure_note=

shot() { import -window root "$out/$prefix-$1.png"; }
fail() {
  echo "FAILED: $*"
  shot failed
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$failure_note" ] && echo "$failure_note"
  exit 1
}

# The visible windows whose name is exactly $1 (xdotool's own search takes a pattern and
# ignores capitals).
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

# Alt+X in the window named $1; the program is to end soon after, with 0.
quit() {
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
