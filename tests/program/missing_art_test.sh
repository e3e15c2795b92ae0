#!/usr/bin/env bash
# Starts the real program in a real X server from a working folder without the art: first with no "Textures"
# at all, then with a "Textures" link to art that was never painted. Each time it must stop at once with code 1
# and say on standard error which folder it looked for, in full, and that scripts/play sets the art up.
set -uo pipefail
source "$(dirname "$0")/real_program.sh"
rm Textures
looked_for="$(pwd -P)/Textures"

for setup in "no Textures folder" "a Textures link to unpainted art"; do
  [ "$setup" = "no Textures folder" ] || ln -s "$folder/unpainted/Textures" Textures
  timeout 15 xvfb-run -a -s "-screen 0 800x600x24" "$game" > run.log 2> said.txt
  status=$?
  if [ "$status" -ne 1 ]; then
    echo "with $setup the program ended with code $status, not 1"
    cat run.log said.txt
    exit 1
  fi
  if ! grep -qF "there is no folder $looked_for." said.txt || ! grep -qF "scripts/play" said.txt; then
    echo "with $setup standard error does not name $looked_for and scripts/play:"
    cat said.txt
    exit 1
  fi
done
echo "without its art the program stopped with code 1, naming $looked_for and scripts/play"
