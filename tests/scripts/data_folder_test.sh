#!/usr/bin/env bash
# Runs the data-folder choice of scripts/play from a copy in a scratch repository, for each way HOME and
# XDG_DATA_HOME can be: the folder printed must be the expected one, and made, and each folder passed over said
# with its reason.
set -uo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/repository/scripts"
choose=$scratch/repository/scripts/data-folder
cp "$1" "$choose"
home=$scratch/home xdg=$scratch/xdg fallback=$scratch/repository/build/data
touch "$scratch/file" "$scratch/tollmarrow"
# A path the system refuses as too long; mkdir makes it a step at a time.
long=$scratch$(printf '/%0200d' $(seq 1 21))

failures=0 as=() before=""
# what, the folder expected, what standard error says, then the environment as env takes it; before is run first,
# and the choice made by the user as names.
expect() {
  local what=$1 expected=$2 said=$3
  shift 3
  rm -rf "$home" "$xdg" "$scratch/repository/build"
  eval "$before"
  local chosen
  chosen=$("${as[@]}" env -u HOME -u XDG_DATA_HOME LC_ALL=C "$@" "$choose" 2> "$scratch/said")
  local status=$?
  if [ "$status" -ne 0 ] || [ "$chosen" != "$expected" ] || [ ! -d "$expected" ] ||
     [ "$(< "$scratch/said")" != "$said" ]; then
    echo "$what: chose \"$chosen\" with code $status, saying \"$(< "$scratch/said")\"; expected the folder" \
         "$expected made, saying \"$said\""
    failures=$((failures + 1))
  fi
}
kept="Not keeping the game's data in"
expect "HOME unset" "$fallback" "Not using ~/.local/share: HOME is not set"
expect "HOME set" "$home/.local/share/tollmarrow" "" HOME="$home"
expect "HOME where no folder can be made" "$fallback" \
  "$kept /dev/null/.local/share/tollmarrow: cannot create directory '/dev/null': Not a directory" HOME=/dev/null
expect "XDG_DATA_HOME before HOME" "$xdg/tollmarrow" "" HOME="$home" XDG_DATA_HOME="$xdg"
expect "XDG_DATA_HOME without HOME" "$xdg/tollmarrow" "" XDG_DATA_HOME="$xdg"
expect "a relative XDG_DATA_HOME is ignored" "$home/.local/share/tollmarrow" \
  "Not using XDG_DATA_HOME=xdg: it is not an absolute path" HOME="$home" XDG_DATA_HOME=xdg
expect "XDG_DATA_HOME a plain file" "$fallback" \
  "$kept $scratch/file/tollmarrow: cannot create directory '$scratch/file': Not a directory" \
  XDG_DATA_HOME="$scratch/file"
expect "a plain file where the folder goes" "$fallback" "$kept $scratch/tollmarrow: it is not a folder" \
  XDG_DATA_HOME="$scratch"
expect "a path too long" "$fallback" "$kept $long/tollmarrow: it cannot be entered: File name too long" \
  XDG_DATA_HOME="$long"
# Root may write any folder: this one is tried as nobody, who must reach the copy and make build/data.
[ "$(id -u)" -ne 0 ] || as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
chmod 755 "$scratch"
before='mkdir -p -m 555 "$home/.local/share/tollmarrow" && mkdir -m 777 "$scratch/repository/build"'
expect "a folder that cannot be written" "$fallback" "$kept $home/.local/share/tollmarrow: it cannot be written" \
  HOME="$home"
[ "$failures" -eq 0 ]
