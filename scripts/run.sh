#!/usr/bin/env bash
# Builds the program and starts it on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j2 puzzle-trainer
exec build/app/puzzle-trainer
