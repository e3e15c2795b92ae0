#!/usr/bin/env bash
# Runs the data-folder choice of scripts/play from a copy in a scratch repository, for each way HOME and
# XDG_DATA_HOME can be: the folder printed must be the expected one, and made.
set -uo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/repository/scripts"
choose=$scratch/repository/scripts/data-folder
cp "$1" "$choose"
home=$scratch/home xdg=$scratch/xdg fallback=$scratch/repository/build/data

failures=0
# what, the folder expected, then the environment as env takes it.
expect() {
  local what=$1 expected=$2
  shift 2
  rm -rf "$home" "$xdg" "$scratch/repository/build"
  local chosen
  chosen=$(env -u HOME -u XDG_DATA_HOME "$@" "$choose")
  local status=$?
  if [ "$status" -ne 0 ] || [ "$chosen" != "$expected" ] || [ ! -d "$expected" ]; then
    echo "$what: chose \"$chosen\" with code $status, expected the folder $expected made"
    failures=$((failures + 1))
  fi
}

expect "HOME unset" "$fallback"
expect "HOME set" "$home/.local/share/tollmarrow" HOME="$home"
expect "HOME where no folder can be made" "$fallback" HOME=/dev/null
expect "XDG_DATA_HOME before HOME" "$xdg/tollmarrow" HOME="$home" XDG_DATA_HOME="$xdg"
expect "XDG_DATA_HOME without HOME" "$xdg/tollmarrow" XDG_DATA_HOME="$xdg"
expect "a relative XDG_DATA_HOME is ignored" "$home/.local/share/tollmarrow" HOME="$home" XDG_DATA_HOME=xdg
[ "$failures" -eq 0 ]
