#!/usr/bin/env bash
# A real-program test that fails or that CTest gives up on leaves nothing running. Stand-ins for a game with a fault
# that keeps it from closing (they ignore every request to end) are started through the real program's script in a
# CTest run of its own: one opens a window that is not the game's, so the script fails at once; the other opens none,
# and CTest's limit ends the test long before the script would. Once that CTest has ended, no process the script
# started, the stand-ins and their X servers among them, may be left after a few seconds. Given the real program's
# script, the x_window helper and the art folder.
set -uo pipefail
script=$1 helper=$2 art=$3

work=$(mktemp -d)
marker="stopped-test-$$-$RANDOM"
left() { grep -ls "STOPPED_MARKER=$marker" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3; }
# Whatever this test finds left is ended too, so that its own failure leaves nothing behind either.
trap 'for pid in $(left); do kill -KILL "$pid" 2>/dev/null; done; rm -rf "$work"' EXIT

stand_in() {
  { echo '#!/usr/bin/env bash'; echo "trap '' TERM INT HUP"; echo "$2"; echo 'while :; do sleep 1; done'; } > "$work/$1"
  chmod +x "$work/$1"
}
stand_in other-window 'xmessage -title Tollmarrow "not the game" &'
stand_in no-window ''
cat > "$work/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.20)
project(Stopped NONE)
enable_testing()
foreach(game other-window no-window)
  add_test(NAME \${game} COMMAND "$script" "$work/\${game}" "$helper" "$art" play)
  set_tests_properties(\${game} PROPERTIES TIMEOUT 8 ENVIRONMENT "STOPPED_MARKER=$marker")
endforeach()
EOF
cmake -S "$work" -B "$work/build" > "$work/cmake.log" 2>&1 || { cat "$work/cmake.log"; exit 1; }
ctest --test-dir "$work/build" --parallel 2 > "$work/ctest.log" 2>&1
grep -q 'other-window .*Failed' "$work/ctest.log" && grep -q 'no-window .*Timeout' "$work/ctest.log" ||
  { echo "the stand-ins did not fail and time out:"; cat "$work/ctest.log"; exit 1; }
for _ in $(seq 1 30); do
  [ -n "$(left)" ] || exit 0
  sleep 0.2
done
echo "left running six seconds after CTest ended:"
for pid in $(left); do tr '\0' ' ' < "/proc/$pid/cmdline"; echo; done
exit 1
