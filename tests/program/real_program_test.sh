#!/usr/bin/env bash
# The real program in Xvfb, from a fresh folder whose "Textures" leads to the art. Given the program, the x_window
# helper, the art folder and a way to start it: play (a free game with real pointer and keys, the window closed as a
# window manager closes it), long-path, texture-missing, texture-fifo, bad-config, config-fifo, read-only,
# size-limit, no-art, unusable-art or no-display.
# Each step waits for what the window shows or the log says, not for a fixed time. Nothing the script starts outlives
# it (see guarded below).
set -uo pipefail
game=$1 helper=$2 art=$3 variant=$4

# Inside the X server: the game started, its window found, the road walked, the window closed; 3 when a step failed.
move() { xdotool mousemove --window "$window" "$1" "$2"; }
click() { move "$1" "$2" && xdotool click 1; }
colour() { local r g b; read -r r g b < <("$helper" pixel "$window" "$2" "$3") || return 1
  case $1 in yellow) (( b < 40 && r + g > 200 ));; untinted) (( b > 100 ));; blue) (( b > 150 && b > r + 100 ));; esac }
# The pointer brought afresh to (x, y), as a motion before the main loop runs is dropped; then a pixel's colour.
lit() { move $(($1 + 1)) "$2" && move "$1" "$2" && colour "$3" "$4" "$5"; }
logged() { grep -q "$1" _Errors.txt 2>/dev/null; }
await() {
  local what=$1; shift
  for _ in $(seq 1 600); do
    "$@" && return 0
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "never saw $what"
  return 3
}
drive() {
  if [ "$variant" = size-limit ]; then
    (ulimit -f "$size_limit" && exec "$game") &
  else
    "$game" &
  fi
  game_pid=$!
  window=$(timeout --foreground 60 xdotool search --sync --name '^Tollmarrow$' | head -n 1)
  [ -n "$window" ] || { echo "no window appeared"; kill -9 "$game_pid"; return 3; }
  local class; class=$(xprop -id "$window" WM_CLASS)
  [ "$class" = 'WM_CLASS(STRING) = "Tollmarrow", "Tollmarrow"' ] ||
    { echo "the window's class: $class"; kill -9 "$game_pid"; return 3; }
  await "the title's challenge button lit under the pointer" lit 338 384 yellow 338 384 || return
  if [ "$variant" = play ]; then
    xdotool windowunmap --sync "$window" && xdotool windowmap --sync "$window" &&
    xdotool windowfocus --sync "$window" && await "the title answering once restored" lit 320 200 untinted 338 384 &&
    click 176 384 && await "the player count" lit 211 216 yellow 211 216 &&
    click 211 216 && await "the character choice" lit 152 232 yellow 121 232 &&
    click 152 232 && click 72 62 && await "the dreamer's menu" lit 140 197 blue 180 197 &&
    click 140 197 && await "the computer's moves in the log" logged '^ShouldPieceMove' &&
    xdotool key Escape && await "the title after Escape" lit 338 384 yellow 338 384 || return
  fi
  "$helper" close "$window"
  for _ in $(seq 1 200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && { echo "the window closed, the program ran on"; kill -9 "$game_pid"; return 3; }
  wait "$game_pid"
}
if [ "${5:-}" = inside ]; then
  drive
  exit
fi

# Everything the test starts runs guarded: in a process group of its own, under a limit of its own shorter than
# CTest's (PROGRAM_TEST_LIMIT seconds, 100 unless set; CTest allows 120) after which it is ended, the last of it by
# SIGKILL, as a game that hangs may ignore the request to end. Every group is killed whole when the test ends: at its
# exit, on a signal, and, since CTest ends a test it gives up on with a SIGKILL that no trap sees, by a watcher in a
# session of its own that outlives the test by half a second at most.
limit=${PROGRAM_TEST_LIMIT:-100}
folder=$(mktemp -d)
groups=$(mktemp)
end_groups() { while read -r group; do kill -KILL -- "-$group" 2>/dev/null; done < "$groups"; }
trap 'end_groups; rm -f "$groups"; chmod -R u+rwx "$folder"; rm -rf "$folder"' EXIT
trap 'exit 143' TERM INT HUP
setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 0.5; done
  while read -r group; do kill -KILL -- "-$group" 2>/dev/null; done < "$2"; rm -f "$2"' watcher $$ "$groups" \
  < /dev/null > /dev/null 2>&1 &
guarded() {
  local seconds=$1
  shift
  timeout -k 5 "$seconds" "$@" &
  local group=$!
  echo "$group" >> "$groups"
  wait "$group"
}
cd "$folder" || exit 1
ln -s "$art/Textures" Textures
export SDL_AUDIODRIVER=dummy
# The X and D-Bus client libraries keep allocations to the end of the process: no leaks of the game's own.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"
fail() { echo "$variant: $1"; for f in run.log _Errors.txt; do [ ! -f "$f" ] || head -c 6000 "$f"; done; exit 1; }
zeros() { head -c "$1" /dev/zero; }
xvfb=(xvfb-run -a -s "-screen 0 800x600x24")
# Runs the program in Xvfb through drive, the user given first; everything either prints goes to run.log.
run_in_x() { guarded "$limit" "$@" "${xvfb[@]}" bash "$0" "$game" "$helper" "$art" "$variant" inside > run.log 2>&1; }

said=""
case $variant in
play | long-path | texture-missing | texture-fifo)
  # 16 unused bytes, a high score (1234, "Nimbrel", "Pat"), 9 cleared rows, settings 1, 640, 480, 3 slots unlocked.
  name32() { printf '%s' "$1"; zeros $((32 - ${#1})); }
  { zeros 16; printf '\xd2\x04\x00\x00'; name32 Nimbrel; name32 Pat; zeros $((9 * 68))
    printf '\x01\x00\x00\x00\x80\x02\x00\x00\xe0\x01\x00\x00\x01\x01\x01'; zeros 9; } > Vizor.cfg
  if [[ $variant == texture-* ]]; then
    rm Textures && cp -r "$art/Textures" Textures && rm Textures/CharType2.dds
    said="Tollmarrow: cannot load Textures/CharType2.dds: missing"
  fi
  if [ "$variant" = long-path ]; then
    # A working folder of 4090 characters, reached by a relative step: "Textures" added passes the system's 4096.
    deep=""
    while [ $((${#PWD} + ${#deep})) -lt 3880 ]; do deep+=$(printf '%0199d/' 0); done
    deep+=$(printf '%0*d' $((4090 - ${#PWD} - 1 - ${#deep})) 0)
    mkdir -p "$deep" && mv Vizor.cfg Textures "$deep" && cd "$deep" || fail "no folder of a long path"
  fi
  if [ "$variant" = texture-fifo ]; then
    mkfifo Textures/CharType2.dds
    said="Tollmarrow: cannot load Textures/CharType2.dds: not a regular file"
  fi ;;
bad-config)
  zeros 720 | tr '\0' '\377' > Vizor.cfg
  said="Vizor.cfg: not understood, so the defaults are used; the first save will keep it as a Vizor.cfg.bad copy" ;;
config-fifo)
  mkfifo Vizor.cfg
  said="Vizor.cfg: not understood, as it is not a regular file, so the defaults are used and no save will replace it" ;;
read-only)
  as_user=()
  [ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 755 "$folder"
  "${as_user[@]}" test -x "$game" -a -x "$helper" -a -r "$0" -a -r Textures/Bar.dds 2>/dev/null ||
    { echo "skipped: root's rights cannot be dropped, or the user cannot reach the program or its art"; exit 77; }
  ! "${as_user[@]}" touch probe 2>/dev/null || { echo "skipped: this user can write a read-only folder"; exit 77; }
  # No log: the folder is named. An old log the user may write: emptied for this run's lines, and nothing said. A FIFO
  # as the log: never opened, so never waited on, and named.
  here=$(pwd -P)
  for log in none old fifo; do
    said="_Errors.txt: the event log cannot be written: "
    case $log in
    none) said+="the folder $here: Permission denied" ;;
    old) printf 'an older run\r\n' > _Errors.txt && chmod 666 _Errors.txt && said="" ;;
    fifo) rm _Errors.txt && mkfifo -m 666 _Errors.txt && said+="$here/_Errors.txt: not a regular file" ;;
    esac
    run_in_x "${as_user[@]}" env HOME="$folder" || fail "with $log as the log the program ended with code $?"
    [ "$(grep '_Errors.txt' run.log)" = "$said" ] || fail "with $log as the log standard error did not say: $said"
    [ "$log" != none ] || [ ! -e _Errors.txt ] || fail "a log was written in the read-only folder"
    [ "$log" != old ] || [ "$(head -n 1 _Errors.txt | tr -d '\r')" = "Creating to run in window: , 0, 0" ] ||
      fail "the old log was not emptied for this run"
  done
  exit 0 ;;
size-limit)
  # The start-up's log passes the limit on the size of the game's files: the write fails, is said once with the
  # system's reason, and the game runs on and closes as ever.
  export size_limit=8
  run_in_x || fail "the program ended with code $?"
  said="_Errors.txt: the event log cannot be written: $(pwd -P)/_Errors.txt: File too large"
  [ "$(grep '_Errors.txt' run.log)" = "$said" ] || fail "standard error did not say once: $said"
  [ "$(stat -c %s _Errors.txt)" -le $((size_limit * 1024)) ] || fail "the log passed the limit"
  exit 0 ;;
no-art)
  rm Textures
  looked_for="$(pwd -P)/Textures"
  for setup in "no Textures folder" "a Textures link to unpainted art"; do
    [ "$setup" = "no Textures folder" ] || ln -s "$folder/unpainted/Textures" Textures
    guarded 15 "${xvfb[@]}" "$game" > run.log 2>&1
    status=$?
    [ "$status" -eq 1 ] || fail "with $setup the program ended with code $status, not 1"
    # The pictures' message alone, its advice on the line after it: the fonts' folder inside is not looked for.
    [ "$(head -n 1 run.log)" = "Tollmarrow: The game's pictures were not found: there is no folder $looked_for." ] &&
      [ "$(wc -l < run.log)" -eq 2 ] && grep -qF "scripts/play" run.log ||
      fail "with $setup standard error is not one message naming $looked_for and scripts/play"
  done
  exit 0 ;;
unusable-art)
  # As a user who is not root, who may read any folder; each setup in a folder of its own.
  as_user=()
  [ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 755 "$folder"
  "${as_user[@]}" test -x "$game" 2>/dev/null || { echo "skipped: root's rights cannot be dropped"; exit 77; }
  art_copy() { cp -r "$art/Textures" .; }
  n=0
  # Each row: the setup, how it is made, whose message it brings (pictures or fonts) and the reason the message gives,
  # "absent" for no such folder and "none" for a folder without any of the files.
  while IFS='|' read -r setup make what reason; do
    n=$((n + 1)) && mkdir -m 777 "$folder/$n" && cd "$folder/$n" && eval "$make" || fail "$setup: not made"
    where="$(pwd -P)/Textures"
    [ "$what" = pictures ] || where+=/Font
    case $reason in
    absent) said="were not found: there is no folder $where." ;;
    none) said="were not found: the folder $where holds none of them." ;;
    *) said="cannot be read from the folder $where: $reason." ;;
    esac
    said="Tollmarrow: The game's $what $said"
    guarded 15 "${as_user[@]}" env HOME="$folder" "${xvfb[@]}" "$game" > run.log 2>&1
    status=$?
    [ "$status" -eq 1 ] || fail "with $setup the program ended with code $status, not 1"
    [ "$(< run.log)" = "$said" ] || fail "with $setup standard error is not: $said"
  done <<'EOF'
an empty Textures folder|mkdir Textures|pictures|none
a Textures folder without the game's pictures|mkdir -p Textures/Font && touch Textures/{a.txt,Font/a.dds}|pictures|none
a Textures file|touch Textures|pictures|Not a directory
a Textures folder of mode 000|mkdir -m 000 Textures|pictures|Permission denied
a Textures folder that lists but cannot be entered|art_copy && chmod 444 Textures|pictures|Permission denied
a Textures link to a folder that cannot be read|mkdir -m 000 sealed && ln -s sealed Textures|pictures|Permission denied
the art with no Font folder|art_copy && rm -r Textures/Font|fonts|absent
the art with an empty Font folder|art_copy && rm Textures/Font/*|fonts|none
the art with a Font folder of other files|art_copy && rm Textures/Font/* && touch Textures/Font/Read.me|fonts|none
the art with a Font file|art_copy && rm -r Textures/Font && touch Textures/Font|fonts|Not a directory
the art with a Font folder of mode 000|art_copy && chmod 000 Textures/Font|fonts|Permission denied
the art with a Font folder that lists but cannot be entered|art_copy && chmod 444 Textures/Font|fonts|Permission denied
EOF
  exit 0 ;;
no-display)
  # Without it the Wayland client library, probed by SDL, adds a complaint of its own to standard error.
  export XDG_RUNTIME_DIR=$folder
  unset WAYLAND_DISPLAY SDL_VIDEODRIVER
  absent=""
  for n in $(seq 50 300); do
    [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && { absent=:$n; break; }
  done
  # what, all standard error holds as an extended expression, then the start.
  expect() {
    local what=$1 said=$2
    shift 2
    rm -f _Errors.txt run.log
    guarded 30 "$@" > out.log 2>&1
    local status=$?
    [ "$status" -eq 1 ] || fail "$what: ended with code $status, not 1"
    [[ $(< run.log) =~ ^$said$ ]] || fail "$what: standard error is not $said"
    [ "$(tr -d '\r' < _Errors.txt)" = "Creating to run in window: , 0, 0" ] || fail "$what: logged past the window"
  }
  code=$'Tollmarrow: Error Code : 1001\\.0000\nNo display could be opened: '
  fallback='so SDL fell back to its "[a-z]+" video driver, which shows nothing'
  expect "no DISPLAY" "${code}DISPLAY is not set, $fallback" bash -c "unset DISPLAY; exec '$game' 2> run.log"
  expect "DISPLAY $absent with no server" "${code}DISPLAY=\"$absent\" could not be reached, $fallback" \
    bash -c "DISPLAY='$absent' exec '$game' 2> run.log"
  refused="Tollmarrow: The window could not be created: SDL's \"x11\" video driver gave no reason"
  expect "a window the X server refuses" "$refused" \
    "${xvfb[@]}" bash -c "SDL_VIDEO_X11_WINDOW_VISUALID=0xdead exec '$game' 2> run.log"
  exit 0 ;;
*)
  fail "no such way to start the program" ;;
esac

# A FIFO is never read, so it cannot hold the program up: it must still stand, unread, at the end.
if [ -p Vizor.cfg ]; then unchanged() { [ -p Vizor.cfg ]; }; else
  cp Vizor.cfg Vizor.cfg.before && unchanged() { cmp -s Vizor.cfg Vizor.cfg.before; }; fi
run_in_x || fail "the program ended with code $?"
log=$(tr -d '\r' < _Errors.txt)
start="Creating to run in window: , 0, 0
Direct3DCreate9: , 0, 0
Hardware rendering detected: , 0, 0
GetAdapterDisplayMode: , 0, 0
CreateDevice: , 0, 0
32-bit Textures: , 0, 0
Hardware Rendering: , 0, 0
Shadow poly creation OK.: , 0, 0"
end="Releasing Models.: , 0, 0
Releasing Textures.: , 0, 0
TEXTURES::ReleaseTextures(): , 0, -1
Releasing Device.: , 0, 0"
[ "$(head -n 8 <<< "$log")" = "$start" ] || fail "the event log does not start with the window and the device"
[ "$(tail -n 4 <<< "$log")" = "$end" ] || fail "the event log does not end with the release"
# The texture-list loads, numbered 0 to 91 in order from GridA.dds to Bar.dds, whatever stands between them.
loads=$(grep '^TARNWICK::InitD3D Texture load: ' <<< "$log" | sed 's/^.*load: \([^,]*\), \([0-9]*\), 0$/\2 \1/')
[ "$(cut -d' ' -f1 <<< "$loads")" = "$(seq 0 91)" ] && [ "$(head -n 1 <<< "$loads")" = "0 GridA.dds" ] &&
  [ "$(tail -n 1 <<< "$loads")" = "91 Bar.dds" ] || fail "the texture loads are not 0 to 91 from GridA.dds to Bar.dds"
[ "$(grep -E '^(Tollmarrow|Vizor)' run.log)" = "$said" ] || fail "standard error did not say just: ${said:-nothing}"
unchanged && [ ! -e Vizor.cfg.bad ] || fail "Vizor.cfg was changed or copied without a save"
