#!/usr/bin/env bash
# Fuzzes with libFuzzer (clang) for FUZZ_SECONDS seconds in all (60 by
# default), a third each: the design-text reader, from sound files of every
# layout, the order server, from the requests a client sends it, and the
# order form's reading of the texts the server serves, from the example
# texts and their UTF-16 forms. Each
# target's corpus grows in build-fuzz/<target>/corpus between runs; crashes
# land in build-fuzz/<target>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-60}
share=$(( (seconds + 2) / 3 ))
flags=(-std=c++20 -O1 -g -Wall -Wextra -ffp-contract=off -fno-math-errno -I"$root")
fuzzing=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
model_sources=("$root"/model/*/*.cpp)
server_sources=($(ls "$root"/server/*.cpp | grep -v /main.cpp) "$root"/model/file/textfile.cpp
  "$root"/ordering/{ordercipher,postingpage,utf8text}.cpp)
read -r -a server_libs <<<"$(pkg-config --cflags --libs libmicrohttpd libsodium gnutls sqlite3)"
served_sources=("$root"/ordering/{placement,servedtext,serveddecoding,ordercipher,orderrecord,postingpage,utf8text}.cpp
  "$root"/model/file/{numbertext,textreading}.cpp)
# Qt is not built with the sanitizers; only the program's own code is fuzzed. Qt wants -fPIC.
read -r -a qt_core <<<"$(pkg-config --cflags --libs Qt6Core)"

# Runs target $1 on its corpus and the seeds in $2 with the dictionary $3 and
# the options after them; prints its summary. Its exit status is the fuzzer's.
fuzz() {
  local target=$1 seeds=$2 dict=$3 status=0
  shift 3
  mkdir -p "$out/$target/corpus"
  (cd "$out/$target" && "$out/$target/$target" corpus "$seeds" -dict="$dict" -max_total_time="$share" \
     -print_final_stats=1 "$@" >fuzz.log 2>&1) || status=$?
  echo "-- $target"
  grep -E "^(Done|stat::number_of_executed_units|==[0-9]+==|SUMMARY|.*does not read back)" "$out/$target/fuzz.log" || true
  if [ "$status" -ne 0 ]; then
    echo "the fuzzer found a fault (exit $status); see $out/$target/fuzz.log and the crash-* file there"
  fi
  return "$status"
}

mkdir -p "$out/designreader_fuzz" "$out/orderserver_fuzz" "$out/servedtext_fuzz/seeds"
cp "$root"/server/example-texts/* "$out/servedtext_fuzz/seeds/"
for text in "$root"/server/example-texts/*; do
  iconv -f UTF-8 -t UTF-16 "$text" >"$out/servedtext_fuzz/seeds/$(basename "$text").utf16"
done

# The five builds are independent: they run side by side, and any that fails
# stops the run.
builds=()
clang++ "${flags[@]}" "${model_sources[@]}" "$root/tests/support/designbuilder.cpp" "$root/fuzz/makeseeds.cpp" \
  -o "$out/makeseeds" & builds+=($!)
clang++ "${flags[@]}" "$root"/ordering/{ordercipher,orderrecord,postingpage,utf8text}.cpp \
  "$root/tests/support/postedorder.cpp" "$root/fuzz/makepostseeds.cpp" -o "$out/makepostseeds" & builds+=($!)
clang++ "${flags[@]}" "${fuzzing[@]}" "${model_sources[@]}" "$root/fuzz/designreader_fuzz.cpp" \
  -o "$out/designreader_fuzz/designreader_fuzz" & builds+=($!)
clang++ "${flags[@]}" "${fuzzing[@]}" "${server_sources[@]}" "$root/fuzz/orderserver_fuzz.cpp" "${server_libs[@]}" \
  -o "$out/orderserver_fuzz/orderserver_fuzz" & builds+=($!)
clang++ "${flags[@]}" "${fuzzing[@]}" -fPIC "${served_sources[@]}" \
  "$root/fuzz/servedtext_fuzz.cpp" "${qt_core[@]}" -o "$out/servedtext_fuzz/servedtext_fuzz" & builds+=($!)
for build in "${builds[@]}"; do wait "$build"; done
"$out/makeseeds" "$out/designreader_fuzz/seeds"
"$out/makepostseeds" "$out/orderserver_fuzz/seeds"

status=0
# Any accepted design file is checked in well under a second and 256 MiB
# without sanitizers; these limits leave room for the sanitizers' own cost.
fuzz designreader_fuzz seeds "$root/fuzz/designtext.dict" -timeout=5 -rss_limit_mb=1024 -malloc_limit_mb=256 ||
  status=$?
# The fuzzed server ends any connection within its one-second deadline; the
# limit leaves room for the sanitizers.
fuzz orderserver_fuzz seeds "$root/fuzz/orderpost.dict" -timeout=10 -rss_limit_mb=1024 || status=$?
# A served text is read whole in memory; the form fetches at most 1 MiB.
fuzz servedtext_fuzz seeds "$root/fuzz/servedtext.dict" -timeout=5 -max_len=65536 -rss_limit_mb=1024 || status=$?
exit "$status"
