#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer on) in build-fuzz
# and runs the item store fuzzer for the given number of seconds (default 60).
# New inputs it finds go to build-fuzz/corpus/store; the checked-in seeds in
# tests/fuzz/corpus/store are only read. A crash leaves its input in
# build-fuzz/ as crash-*.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"

# libFuzzer's runtime comes in Debian's libclang-rt-N-dev, N being clang's
# major version; install it when a trial link shows it missing.
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address -o /dev/null - 2>/dev/null; then
  major="$(clang++ -dumpversion | cut -d. -f1)"
  echo "libFuzzer is missing; installing libclang-rt-$major-dev"
  apt-get update -qq
  apt-get install -y -qq "libclang-rt-$major-dev"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIMO_FUZZ=ON -DTAVIMO_BUILD_TESTS=OFF
cmake --build "$build" -j2 --target store_fuzz

mkdir -p "$build/corpus/store"
"$build/tests/fuzz/store_fuzz" \
  -max_total_time="$seconds" \
  -dict="$root/tests/fuzz/store.dict" \
  -artifact_prefix="$build/" \
  "$build/corpus/store" "$root/tests/fuzz/corpus/store"
