#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer on) in build/fuzz
# and runs the item store fuzzer for the given number of seconds (default 60).
# New inputs it finds go to build/fuzz/corpus/store; the checked-in seeds in
# tests/fuzz/corpus/store are only read. A crash leaves its input in
# build/fuzz/ as crash-*. TAVIMO_BUILD_ROOT picks the build folder (default:
# build/). Installs what is missing, libFuzzer's runtime among it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

seconds="${1:-60}"
fuzz_build=$BUILD/fuzz

ensure_packages
say "building the fuzz targets in $fuzz_build"
cmake -S "$TOP" -B "$fuzz_build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMO_FUZZ=ON -DTAVIMO_BUILD_TESTS=OFF
cmake --build "$fuzz_build" -j2 --target store_fuzz

say "fuzzing the store reader for $seconds seconds"
mkdir -p "$fuzz_build/corpus/store"
"$fuzz_build/tests/fuzz/store_fuzz" \
  -max_total_time="$seconds" \
  -dict="$TOP/tests/fuzz/store.dict" \
  -artifact_prefix="$fuzz_build/" \
  "$fuzz_build/corpus/store" "$TOP/tests/fuzz/corpus/store"
