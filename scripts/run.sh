#!/usr/bin/env bash
# Installs what is missing, builds the Release program and starts it.
# JOBS limits the build's parallel jobs (every core by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
jobs=${JOBS:-$(nproc)}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target quillock -j "$jobs"
exec build/quillock "$@"
