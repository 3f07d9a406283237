#!/usr/bin/env bash
# Installs what is missing, builds the Release program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target quillock -j "$(nproc)"
exec build/quillock "$@"
