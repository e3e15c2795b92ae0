#!/usr/bin/env bash
# Starts the real program in a real X server in a folder whose "Vizor.cfg" is 720 bytes of 0xFF: it must say
# once on standard error that the file was not understood, run on the defaults, close with code 0 as a window
# manager asks, and leave the file as it found it, with no copy kept, since nothing was saved.
set -uo pipefail
source "$(dirname "$0")/real_program.sh"

all_ff() { head -c 720 /dev/zero | tr '\0' '\377'; }
all_ff > Vizor.cfg

run_until_closed 2

expected="Vizor.cfg: not understood, so the defaults are used; the first save will keep it as a Vizor.cfg.bad copy"
if [ "$(grep -c '^Vizor.cfg' run.log)" -ne 1 ] || ! grep -qxF "$expected" run.log; then
  echo "standard error did not say once that Vizor.cfg was not understood:"
  cat run.log
  exit 1
fi
if [ "$(tr -d '\r' < _Errors.txt | tail -n 1)" != "Releasing Device.: , 0, 0" ]; then
  echo "the run did not end with the release:"
  cat _Errors.txt
  exit 1
fi
if ! all_ff | cmp -s - Vizor.cfg || [ -e Vizor.cfg.bad ]; then
  echo "Vizor.cfg was changed or copied without a save"
  exit 1
fi
echo "the program said Vizor.cfg was not understood, ran on the defaults and closed with code 0, the file untouched"
