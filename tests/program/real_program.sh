# Sourced by the tests that run the real program in a real X server: takes the program, the window closer
# and the art folder as arguments, and moves into a fresh working folder where "Textures" leads to the art.
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
