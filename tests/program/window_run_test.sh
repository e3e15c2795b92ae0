#!/usr/bin/env bash
# Runs the real program in a real X server: starts it in a fresh working folder,
# waits for its window, lets it run, closes the window as a window manager would,
# and checks the exit code, the event log and what the program said on standard error.
# A fourth argument names a texture taken out of a copy of the art: the program must
# still run and close cleanly, log what a full run logs, and name that file as missing.
set -uo pipefail
source "$(dirname "$0")/real_program.sh"
missing=${4:-}
said_expected=""
if [ -n "$missing" ]; then
  rm Textures
  cp -r "$art/Textures" Textures
  rm "Textures/$missing"
  said_expected="Tollmarrow: cannot load Textures/$missing: missing"
fi

run_until_closed 2

log=$(tr -d '\r' < _Errors.txt)
expected_start="Creating to run in window: , 0, 0
Direct3DCreate9: , 0, 0
Hardware rendering detected: , 0, 0
GetAdapterDisplayMode: , 0, 0
CreateDevice: , 0, 0
32-bit Textures: , 0, 0
Hardware Rendering: , 0, 0
Shadow poly creation OK.: , 0, 0"
expected_end="Releasing Models.: , 0, 0
Releasing Textures.: , 0, 0
TEXTURES::ReleaseTextures(): , 0, -1
Releasing Device.: , 0, 0"
if [ "$(printf '%s\n' "$log" | head -n 8)" != "$expected_start" ] ||
   [ "$(printf '%s\n' "$log" | tail -n 4)" != "$expected_end" ]; then
  echo "unexpected event log:"
  printf '%s\n' "$log"
  exit 1
fi

# The 92 texture-list loads come after the device lines, numbered 0 to 91 in
# order from "GridA.dds" to "Bar.dds", whatever other start-up lines stand between.
loads=$(printf '%s\n' "$log" | grep -n '^TARNWICK::InitD3D Texture load: ')
numbers=$(printf '%s\n' "$loads" | sed 's/^[0-9]*:[^,]*, \([0-9]*\), 0$/\1/')
first_load=$(printf '%s\n' "$loads" | head -n 1 | cut -d: -f1)
last_load=$(printf '%s\n' "$loads" | tail -n 1 | cut -d: -f1)
lines=$(printf '%s\n' "$log" | wc -l)
if [ "$numbers" != "$(seq 0 91)" ] ||
   [ "$first_load" -le 8 ] || [ "$last_load" -gt $((lines - 4)) ] ||
   ! printf '%s\n' "$loads" | head -n 1 | grep -q ': GridA.dds, 0, 0$' ||
   ! printf '%s\n' "$loads" | tail -n 1 | grep -q ': Bar.dds, 91, 0$'; then
  echo "unexpected texture loads in the event log:"
  printf '%s\n' "$log"
  exit 1
fi
# Every line the program itself writes to standard error starts with its name; a texture
# that fails to load is one of them.
said=$(grep '^Tollmarrow: ' run.log)
if [ "$said" != "$said_expected" ]; then
  echo "the program said on standard error:"
  printf '%s\n' "$said"
  [ -n "$said_expected" ] && echo "instead of: $said_expected"
  exit 1
fi
if [ -n "$missing" ]; then
  echo "without $missing the window opened, ran and closed with code 0, the file was named as missing and the event log is as expected"
else
  echo "the window opened, ran and closed with code 0; every texture loaded; the event log is as expected"
fi
