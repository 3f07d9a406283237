#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, a sanitizer build of the
# Qt-free tests, the fuzzer for a short while and a smoke run of the benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh

# At most four jobs unless JOBS says otherwise: the machine is shared.
jobs=${JOBS:-$(( $(nproc) < 4 ? $(nproc) : 4 ))}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_DISABLE_SANDBOX=1

echo "== build (Release)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs"

echo "== tests"
# The wm label (tests/wm) starts an X server of its own with openbox for its launches.
xvfb-run -a ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

echo "== Qt-free tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLOCK_CORE_ONLY=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 300

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzzing"
  FUZZ_SECONDS=${FUZZ_SECONDS:-60} scripts/fuzz.sh
fi

echo "== benchmark smoke run"
# On the X server xvfb-run starts, through xcb: the 3D views measure nothing
# without its OpenGL. A benchmark that reports an error fails the run.
failed=0
for b in build/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  name=$(basename "$b")
  if ! report=$(QT_QPA_PLATFORM=xcb xvfb-run -a "$b" --benchmark_min_time=0.01 2>/dev/null); then
    echo "FAILED $name: it did not end normally"
    failed=1
  elif grep "ERROR OCCURRED" <<<"$report"; then
    echo "FAILED $name: the benchmarks above measured nothing"
    failed=1
  else
    echo "ok $name"
  fi
done
exit "$failed"
