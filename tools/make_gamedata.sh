#!/usr/bin/env bash
# Regenerates the data folder gamedata/ from the content tools: puzzles,
# pictures, pages, game list, About data, settings, sounds, the reward game's
# pictures and the help document. Every random choice comes from fixed seeds,
# so the same tools and fonts give the same files.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja > /dev/null
cmake --build "$build" --target deduxa_makedata
# The games' own files go first, so a game with fewer hints than before
# leaves no page behind.
rm -f "$root"/gamedata/data/game[0-9][0-9][._-]*
QT_QPA_PLATFORM=offscreen "$build/tools/deduxa_makedata" "$root/gamedata" "${1:-40}"
