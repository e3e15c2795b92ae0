#!/usr/bin/env bash
# Starts the real program in a real X server from a folder it may read but not write, as a user the folder
# stops (as root the program runs as "nobody"; where privileges cannot be dropped, or that user cannot reach the
# program, the test is skipped with a message). The program must say once on standard error that its event log
# cannot be written there and why, and still run and close with code 0 as a window manager asks.
set -uo pipefail
source "$(dirname "$0")/real_program.sh"
skipped=77

as_user=()
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  if ! "${as_user[@]}" true 2>/dev/null; then
    echo "skipped: root's privileges cannot be dropped here"
    exit $skipped
  fi
fi
chmod 755 "$folder"
if ! "${as_user[@]}" test -x "$game" -a -x "$closer" -a -r Textures/Bar.dds 2>/dev/null; then
  echo "skipped: the user the folder stops cannot reach the program or its art from here"
  exit $skipped
fi
if "${as_user[@]}" touch probe 2>/dev/null; then
  echo "skipped: this user can write the folder even when it is read-only"
  exit $skipped
fi

"${as_user[@]}" env HOME="$folder" xvfb-run -a -s "-screen 0 800x600x24" bash -c "
  '$game' &
  game_pid=\$!
  '$closer' Tollmarrow 20 2 || { kill \$game_pid; exit 3; }
  wait \$game_pid
" > run.log 2>&1
status=$?
if [ "$status" -ne 0 ]; then
  echo "the program ended with code $status"
  cat run.log
  exit 1
fi
said=$(grep -c '^_Errors.txt: the event log cannot be written in this folder: Permission denied$' run.log)
if [ "$said" -ne 1 ]; then
  echo "standard error did not say once that the log cannot be written, and why:"
  cat run.log
  exit 1
fi
if [ -e _Errors.txt ]; then
  echo "a log was written in the read-only folder"
  exit 1
fi
echo "in a folder it cannot write, the program said once why its log is not kept, ran and closed with code 0"
