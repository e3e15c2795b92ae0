#!/usr/bin/env bash
# Plays a free game in the real program in a real X server with real pointer and key events: the window of
# class "Tollmarrow", the free-game button, three players, the first portrait, the human's dreamer and its
# "End Turn", a few seconds of the computer's turns, Escape to the title, then the window closed as a window
# manager would. The program must end with code 0, log its start-up, the computer's moves and its release, and
# leave "Vizor.cfg" untouched.
set -uo pipefail
source "$(dirname "$0")/real_program.sh"

# A configuration of 720 bytes: 16 unused, one high score (1234, "Nimbrel", "Pat") and nine cleared rows of
# 68 bytes, the settings 1, 640 and 480, the first three slots unlocked, 2 unused.
zeros() { head -c "$1" /dev/zero; }
name32() { printf '%s' "$1"; zeros $((32 - ${#1})); }
{
  zeros 16
  printf '\xd2\x04\x00\x00'; name32 Nimbrel; name32 Pat
  zeros $((9 * 68))
  printf '\x01\x00\x00\x00\x80\x02\x00\x00\xe0\x01\x00\x00'
  printf '\x01\x01\x01'; zeros 7
  zeros 2
} > Vizor.cfg
cp Vizor.cfg Vizor.cfg.before
if [ "$(wc -c < Vizor.cfg)" -ne 720 ]; then
  echo "the prepared configuration is not 720 bytes"
  exit 1
fi

# Window points of what is clicked, as the screens draw them: the free-game button, the 3-player button,
# the first portrait, the human's dreamer where a 3-player game starts it, the "End Turn" row of its menu.
cat > drive.sh <<'EOF'
set -u
game=$1
closer=$2
"$game" &
game_pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name '^Tollmarrow$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "no window appeared"
  kill "$game_pid" 2>/dev/null
  exit 3
fi
class=$(xprop -id "$window" WM_CLASS)
if [ "$class" != 'WM_CLASS(STRING) = "Tollmarrow", "Tollmarrow"' ]; then
  echo "the window's class is not Tollmarrow: $class"
  kill "$game_pid" 2>/dev/null
  exit 3
fi
# Start-up loads every texture before the first frame; the title must be up before the first click.
for _ in $(seq 1 150); do
  grep -q 'Bar.dds, 91, 0' _Errors.txt 2>/dev/null && break
  sleep 0.2
done
sleep 1
click() {
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.3
  xdotool click 1
  sleep 0.8
}
click 176 384
click 211 216
click 152 232
sleep 1
click 72 62
xdotool mousemove --window "$window" 140 197
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mouseup 1
sleep 5
xdotool mousemove --window "$window" 320 300
xdotool key Escape
sleep 1
"$closer" Tollmarrow 20 2 || { kill "$game_pid"; exit 3; }
wait "$game_pid"
EOF

xvfb-run -a -s "-screen 0 800x600x24" bash drive.sh "$game" "$closer" > run.log 2>&1
status=$?
if [ "$status" -ne 0 ]; then
  echo "the program ended with code $status"
  cat run.log
  exit 1
fi

log=$(tr -d '\r' < _Errors.txt)
fail() {
  echo "$1"
  printf '%s\n' "$log" | head -n 40
  echo "..."
  printf '%s\n' "$log" | tail -n 20
  exit 1
}
[ "$(printf '%s\n' "$log" | head -n 1)" = "Creating to run in window: , 0, 0" ] || fail "the event log does not start with the window's creation"
printf '%s\n' "$log" | grep -qx "Shadow poly creation OK.: , 0, 0" || fail "the start-up lines are missing"
expected_end="Releasing Models.: , 0, 0
Releasing Textures.: , 0, 0
TEXTURES::ReleaseTextures(): , 0, -1
Releasing Device.: , 0, 0"
[ "$(printf '%s\n' "$log" | tail -n 4)" = "$expected_end" ] || fail "the event log does not end with the release"
printf '%s\n' "$log" | grep -q '^ShouldPieceMove' || fail "no computer move was traced: the human's turn never ended"
if ! cmp -s Vizor.cfg Vizor.cfg.before; then
  echo "Vizor.cfg changed:"
  cmp -l Vizor.cfg.before Vizor.cfg | head
  exit 1
fi
echo "a free game was started, its turn ended, the computer played, Escape led to the title and the window closed with code 0"
