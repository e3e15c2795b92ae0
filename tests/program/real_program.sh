# Sourced by the tests that run the real program in a real X server: takes the program, the window closer
# and the art folder as arguments, moves into a fresh working folder where "Textures" leads to the art, and gives
# run_until_closed.
game=$1
closer=$2
art=$3
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
ln -s "$art/Textures" Textures

export SDL_AUDIODRIVER=dummy
# The X and D-Bus client libraries keep allocations to the end of the process;
# a sanitized build must not take those for leaks of the game's own.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"

# Runs the program in Xvfb until the closer, once the window has stood the given seconds, closes it as a
# window manager would; everything either prints goes to run.log. A program that does not end with code 0
# (3 when no window appeared) ends the test, with run.log shown.
run_until_closed() {
  xvfb-run -a -s "-screen 0 800x600x24" bash -c "
    '$game' &
    game_pid=\$!
    '$closer' Tollmarrow 20 $1 || { kill \$game_pid; exit 3; }
    wait \$game_pid
  " > run.log 2>&1
  local status=$?
  if [ "$status" -ne 0 ]; then
    echo "the program ended with code $status"
    cat run.log
    exit 1
  fi
}
