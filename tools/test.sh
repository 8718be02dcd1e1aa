#!/usr/bin/env bash
# Runs every test: the native unit tests (with the store's fuzz corpus),
# clang-tidy over the sources of the native and the 32-bit Windows builds,
# the release build of tavimo.exe with its checks, and the end-to-end tests of the real program under Wine on
# a virtual display, for both widths: the 64-bit build natively under 64-bit
# Wine, and the shipped 32-bit build under 32-bit Wine, natively where this
# kernel runs 32-bit programs and in a virtual machine where it does not
# (tools/vm32.sh). Installs what is missing.
# Ends with the builds the end-to-end tests ran and where, the time each
# phase took, and one line: "N passed, M failed".
set -uo pipefail
source "$(dirname "$0")/lib.sh"

passed=0 failed=0
# count LABEL CTEST_LOG [EXPECTED]: adds up one ctest run. A run that did not
# get to its summary (a build that failed, a machine that was killed) fails
# every test it was expected to run and did not pass, and at least one.
count() {
  local total fails
  LAST_TOTAL=0
  total=$(grep -oE 'tests passed, [0-9]+ tests failed out of [0-9]+' "$2" 2>/dev/null | grep -oE '[0-9]+$')
  fails=$(grep -oE 'tests passed, [0-9]+ tests failed' "$2" 2>/dev/null | grep -oE '[0-9]+ tests failed' | grep -oE '^[0-9]+')
  if [ -z "$total" ] || [ "$total" -eq 0 ]; then
    local ran expected=${3:-0}
    # ctest's line for a test that passed, or the test program's own.
    ran=$(grep -cE "^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|$GTEST_DONE_LINE" "$2" 2>/dev/null) || ran=0
    fails=$((expected > ran ? expected - ran : 1))
    say "$1: FAILED, the run did not finish: $ran passed, $fails counted as failed"
    passed=$((passed + ran)) failed=$((failed + fails))
    LAST_RESULT="$ran passed, $fails failed (the run did not finish)"
    return
  fi
  say "$1: $((total - fails)) passed, $fails failed"
  passed=$((passed + total - fails)) failed=$((failed + fails))
  LAST_RESULT="$((total - fails)) passed, $fails failed"
  LAST_TOTAL=$total
}
check() {  # check LABEL COMMAND...: one passed or failed check
  if "${@:2}"; then passed=$((passed + 1)); say "$1: passed"; else failed=$((failed + 1)); say "$1: FAILED"; fi
}
phases=() phase_began=$SECONDS
phase_done() {  # phase_done NAME: the time since the last phase ended
  phases+=("$1 $((SECONDS - phase_began)) s")
  phase_began=$SECONDS
}
lanes=()
# e2e_results WIDTH WHERE [EXPECTED]: counts one width's end-to-end logs,
# both code pages, and names the build and where it ran. EXPECTED is how many
# tests each should have run, as "N+M"; E2E_TOTALS gives back how many did.
e2e_results() {
  local log=$BUILD/e2e-$1 where=$2 expected=${3:-} normal big5
  count "$1-bit end-to-end tests" "$log.log" "${expected%+*}"
  normal=$LAST_RESULT E2E_TOTALS=$LAST_TOTAL
  count "$1-bit end-to-end tests in code page 950" "$log-big5.log" "${expected#*+}"
  big5=$LAST_RESULT E2E_TOTALS+=+$LAST_TOTAL
  # Those tests skip themselves in any other code page: here that means the
  # locale did not take, which is a failure.
  check "the $1-bit code page 950 tests ran" sh -c "! grep -qE '\(Skipped\)|^\[  SKIPPED \]' '$log-big5.log'"
  use_wine "$1"
  lanes+=("the $1-bit build ${WIN_BUILD#"$TOP"/}/bin/tavimo.exe, $where: $normal; in code page 950: $big5")
}

ensure_packages
trap stop_all EXIT
mkdir -p "$BUILD"
# Where the 32-bit tests need the virtual machine, it is built meanwhile:
# most of that is waiting on the network and the disk.
if ! runs_32bit; then
  "$TOP/tools/vm32.sh" image >"$BUILD/vm32-image.log" 2>&1 &
  image_build=$!
fi

check "sources formatted by .clang-format (tools/format.sh fixes them)" "$TOP/tools/format.sh" --check

say "unit tests (native)"
cmake -S "$TOP" -B "$BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" >/dev/null &&
  cmake --build "$BUILD/native" -j2 >"$BUILD/native-build.log" 2>&1 || { cat "$BUILD/native-build.log"; }
phase_done "native build"
(cd "$BUILD/native" && ctest --output-on-failure -j2 2>&1) | tee "$BUILD/unit.log" | tail -n 25
count "unit tests" "$BUILD/unit.log"
check "clang-tidy finds nothing in the native build's sources (tools/tidy.sh native)" "$TOP/tools/tidy.sh" native
phase_done "unit tests and clang-tidy"

# fresh_build TOOLCHAIN LOG: one width's release build of tavimo.exe and its
# test programs. The programs of an earlier build go first: a build that
# fails leaves none to be tested in its place.
fresh_build() {
  rm -f "$BUILD/$1"/bin/*.exe
  build_windows "$1" Release >"$2" 2>&1 || { cat "$2"; return 1; }
}

say "release builds of tavimo.exe and the test programs, 32-bit (shipped) and 64-bit"
check "the 32-bit release build" fresh_build mingw-i686 "$BUILD/release-build.log"
check "tavimo.exe is a 32-bit Windows GUI program" "$TOP/tools/check-exe.sh" "$BUILD/mingw-i686/bin/tavimo.exe"
check "the 64-bit release build" fresh_build mingw-x86_64 "$BUILD/e2e-build.log"
check "clang-tidy finds nothing in the 32-bit build's sources (tools/tidy.sh windows)" "$TOP/tools/tidy.sh" windows
phase_done "Windows builds and their clang-tidy"

say "end-to-end tests of the 64-bit build, natively under 64-bit Wine"
"$TOP/tools/e2e-suites.sh" 64
e2e_results 64 "natively under 64-bit Wine"
expected_32=$E2E_TOTALS
phase_done "64-bit end-to-end"

if runs_32bit; then
  say "end-to-end tests of the shipped 32-bit build, natively under 32-bit Wine"
  "$TOP/tools/e2e-suites.sh" 32
  e2e_results 32 "natively under 32-bit Wine" "$expected_32"
  phase_done "32-bit end-to-end"
else
  say "this kernel cannot run 32-bit programs: the shipped 32-bit build's end-to-end tests run in a virtual machine"
  rm -f "$BUILD"/e2e-32*.log
  if wait "$image_build"; then
    built=$(grep -oE 'built in [0-9]+ s' "$BUILD/vm32-image.log")
    phase_done "waiting for the virtual machine's image${built:+ (${built}, alongside the phases before)}"
    "$TOP/tools/vm32.sh" run tools/e2e-suites.sh 32 --by-suite || say "the virtual machine's run failed"
  else
    cat "$BUILD/vm32-image.log"
    phase_done "waiting for the virtual machine's image"
  fi
  e2e_results 32 "in the virtual machine under 32-bit Wine" "$expected_32"
  phase_done "32-bit end-to-end"
fi

echo
echo "end-to-end tests ran:"
printf -- '- %s\n' "${lanes[@]}"
echo "phases: $(printf '%s, ' "${phases[@]}" | sed 's/, $//'); $SECONDS s in all"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
