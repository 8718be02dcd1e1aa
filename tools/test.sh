#!/usr/bin/env bash
# Runs every test: the native unit tests (with the store's fuzz corpus),
# clang-tidy over the native build's sources, the release build of tavimo.exe
# with its checks, and the end-to-end tests of the real program under Wine on
# a virtual display. Installs what is missing.
# Ends with one line: "N passed, M failed".
set -uo pipefail
source "$(dirname "$0")/lib.sh"

passed=0 failed=0
count() {  # count LABEL CTEST_LOG
  local total fails
  total=$(grep -oE 'tests passed, [0-9]+ tests failed out of [0-9]+' "$2" | grep -oE '[0-9]+$' || echo 0)
  fails=$(grep -oE 'tests passed, [0-9]+ tests failed' "$2" | grep -oE '[0-9]+ tests failed' | grep -oE '^[0-9]+' || echo 0)
  if [ "${total:-0}" -eq 0 ]; then  # a build that failed leaves nothing to run
    say "$1: FAILED, no test ran"
    failed=$((failed + 1))
    return
  fi
  say "$1: $((total - fails)) passed, $fails failed"
  passed=$((passed + total - fails)) failed=$((failed + fails))
}
check() {  # check LABEL COMMAND...: one passed or failed check
  if "${@:2}"; then passed=$((passed + 1)); say "$1: passed"; else failed=$((failed + 1)); say "$1: FAILED"; fi
}
# clang-tidy with the checked-in .clang-tidy over the native build's sources,
# its test files aside: parsing GoogleTest in each would take four times as
# long. Any finding is an error there, and fails the check.
tidy() {
  run-clang-tidy -j 2 -quiet -p "$BUILD/native" '^(?!.*_test\.cpp$).*/(src|bench|tests)/.*\.cpp$' \
    >"$BUILD/tidy.log" 2>&1 || { grep -v '^clang-tidy\|warnings generated' "$BUILD/tidy.log"; return 1; }
}

ensure_packages
trap stop_all EXIT
mkdir -p "$BUILD"

check "sources formatted by .clang-format (tools/format.sh fixes them)" "$TOP/tools/format.sh" --check

say "unit tests (native)"
cmake -S "$TOP" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" >/dev/null &&
  cmake --build "$BUILD/native" -j2 >"$BUILD/native-build.log" 2>&1 || { cat "$BUILD/native-build.log"; }
(cd "$BUILD/native" && ctest --output-on-failure -j2 2>&1) | tee "$BUILD/unit.log" | tail -n 25
count "unit tests" "$BUILD/unit.log"
check "clang-tidy finds nothing in the native build's sources (.clang-tidy)" tidy

say "release build of tavimo.exe (32-bit)"
build_windows mingw-i686 Release tavimo >"$BUILD/release-build.log" 2>&1 || cat "$BUILD/release-build.log"
check "tavimo.exe is a 32-bit Windows GUI program" "$TOP/tools/check-exe.sh" "$BUILD/mingw-i686/bin/tavimo.exe"

say "end-to-end tests under Wine"
pick_wine
build_windows "$TOOLCHAIN" Release >"$BUILD/e2e-build.log" 2>&1 || cat "$BUILD/e2e-build.log"
[ "$WINE_ARCH" = win64 ] &&
  say "this kernel cannot run 32-bit programs: the end-to-end tests run the 64-bit build of the same sources under 64-bit Wine"
start_display && make_prefix && start_wine
(cd "$WIN_BUILD" && ctest --output-on-failure --timeout 120 -E "$BIG5_SUITES" 2>&1) |
  tee "$BUILD/e2e.log" | tail -n 40
count "end-to-end tests" "$BUILD/e2e.log"

say "end-to-end tests with the Traditional Chinese code page (950, Big5)"
/usr/lib/wine/wineserver -k 2>/dev/null
use_big5_locale && make_prefix && start_wine
(cd "$WIN_BUILD" && ctest --output-on-failure --timeout 120 -R "$BIG5_SUITES" 2>&1) |
  tee "$BUILD/e2e-big5.log" | tail -n 20
count "end-to-end tests in code page 950" "$BUILD/e2e-big5.log"
# Those tests skip themselves in any other code page: here that means the
# locale did not take, which is a failure.
check "the code page 950 tests ran" sh -c "! grep -q '(Skipped)' '$BUILD/e2e-big5.log'"

echo
if [ "$WINE_ARCH" = win32 ]; then width=32; else width=64; fi
echo "end-to-end tests ran the ${width}-bit build: $WIN_BUILD/bin/tavimo.exe"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
