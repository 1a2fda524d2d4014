#!/usr/bin/env bash
# Installs what building and playing need, builds the game, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh play
scripts/build.sh game
cd build
exec ./torvane "$@"
