#!/usr/bin/env bash
# Configures and builds Torvane into build/ (the game runs from there, with its content files).
#   scripts/build.sh         everything: the game, its tests and benchmarks
#   scripts/build.sh game    the game, the engine and their content only
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = game ]; then
    # A folder configured with the tests keeps them; only the targets built differ.
    tests=$(sed -n 's/^TORVANE_TESTS:BOOL=//p' build/CMakeCache.txt 2>/dev/null || true)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_TESTS="${tests:-OFF}" >/dev/null
    cmake --build build -j"$(nproc)" --target torvane torvane-engine content sounds
else
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVANE_TESTS=ON >/dev/null
    cmake --build build -j"$(nproc)"
fi
