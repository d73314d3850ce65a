#!/usr/bin/env bash
# Builds Deduxa (installing missing Debian packages first) and starts the game
# with gamedata/ as its working folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$root/build" --target deduxa
cd "$root/gamedata"
exec "$root/build/deduxa"
