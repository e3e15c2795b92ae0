#!/usr/bin/env bash
# Starts the real program where it cannot open its window: no DISPLAY, a DISPLAY with no server behind it, and an
# X server that refuses the window (SDL told to use a visual the server lacks). Each start must end with code 1,
# say on standard error what failed and why, and log nothing past the window's creation.
set -uo pipefail
source "$(dirname "$0")/real_program.sh"

# Without it the Wayland client library, probed by SDL, adds a complaint of its own to standard error.
export XDG_RUNTIME_DIR=$folder
unset WAYLAND_DISPLAY SDL_VIDEODRIVER

absent=""
for n in $(seq 50 300); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    absent=:$n
    break
  fi
done

failures=0
# what, the first line of standard error, an extended expression for the second ("" when there is none), the start.
expect() {
  local what=$1 first=$2 second=$3
  shift 3
  rm -f _Errors.txt err.log
  "$@" > out.log 2>&1
  local status=$?
  local lines
  lines=$(cat err.log 2>/dev/null)
  local problem=""
  if [ "$status" -ne 1 ]; then
    problem="ended with code $status, not 1"
  elif [ "$(printf '%s\n' "$lines" | head -n 1)" != "$first" ]; then
    problem="the first line is not \"$first\""
  elif [ -z "$second" ] && [ "$(printf '%s\n' "$lines" | wc -l)" -ne 1 ]; then
    problem="more than one line"
  elif [ -n "$second" ] && { [ "$(printf '%s\n' "$lines" | wc -l)" -ne 2 ] ||
                               ! printf '%s\n' "$lines" | tail -n 1 | grep -Eqx -- "$second"; }; then
    problem="the second line does not match $second"
  elif [ "$(tr -d '\r' < _Errors.txt)" != "Creating to run in window: , 0, 0" ]; then
    problem="the event log goes past the window's creation: $(cat _Errors.txt)"
  fi
  if [ -n "$problem" ]; then
    echo "$what: $problem; standard error:"
    printf '%s\n' "$lines"
    cat out.log
    failures=$((failures + 1))
  fi
}

fallback='so SDL fell back to its "[a-z]+" video driver, which shows nothing'
expect "no DISPLAY" "Tollmarrow: Error Code : 1001.0000" \
  "No display could be opened: DISPLAY is not set, $fallback" \
  bash -c "unset DISPLAY; exec '$game' 2> err.log"
expect "DISPLAY $absent with no server" "Tollmarrow: Error Code : 1001.0000" \
  "No display could be opened: DISPLAY=\"$absent\" could not be reached, $fallback" \
  bash -c "DISPLAY='$absent' exec '$game' 2> err.log"
expect "a window the X server refuses" \
  'Tollmarrow: The window could not be created: SDL'\''s "x11" video driver gave no reason' "" \
  xvfb-run -a -s "-screen 0 800x600x24" bash -c "SDL_VIDEO_X11_WINDOW_VISUALID=0xdead exec '$game' 2> err.log"

[ "$failures" -eq 0 ] || exit 1
echo "without a display, at an absent server and with a refused window the program said why and ended with code 1"
