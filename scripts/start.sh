#!/usr/bin/env bash
# Builds the calculator (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build app
cmake --preset release >/dev/null
cmake --build --preset release --target trelvani
exec ./build/release/src/programs/desktop/trelvani "$@"
