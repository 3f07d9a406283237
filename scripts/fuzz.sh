#!/usr/bin/env bash
# Fuzzes the design-text reader with libFuzzer (clang) for FUZZ_SECONDS
# seconds (60 by default), starting from sound files of every layout. The
# corpus grows in build-fuzz/corpus between runs; crashes land in build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-60}
flags=(-std=c++20 -O1 -g -Wall -Wextra -ffp-contract=off -fno-math-errno -I"$root")
model_sources=("$root"/model/*/*.cpp)
mkdir -p "$out/corpus" "$out/seeds"

clang++ "${flags[@]}" "${model_sources[@]}" "$root/tests/support/designbuilder.cpp" "$root/fuzz/makeseeds.cpp" \
  -o "$out/makeseeds"
"$out/makeseeds" "$out/seeds"

clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  "${model_sources[@]}" "$root/fuzz/designreader_fuzz.cpp" -o "$out/designreader_fuzz"

cd "$out"
status=0
# Any accepted file is checked in well under a second and 256 MiB without
# sanitizers; these limits leave room for the sanitizers' own cost.
./designreader_fuzz corpus seeds -dict="$root/fuzz/designtext.dict" -max_total_time="$seconds" -print_final_stats=1 \
  -timeout=5 -rss_limit_mb=1024 -malloc_limit_mb=256 \
  >fuzz.log 2>&1 || status=$?
grep -E "^(Done|stat::number_of_executed_units|==[0-9]+==|SUMMARY|.*does not read back)" fuzz.log || true
if [ "$status" -ne 0 ]; then
  echo "the fuzzer found a fault (exit $status); see $out/fuzz.log and the crash-* file there"
  exit "$status"
fi
