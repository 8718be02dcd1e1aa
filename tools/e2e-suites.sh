#!/usr/bin/env bash
# Runs every end-to-end test of one width's build, already built, under Wine
# on a virtual display, in fresh Wine prefixes:
#   tools/e2e-suites.sh 32|64 [--by-suite]
# Each test runs in a ctest run of its own. With --by-suite, each suite runs
# in one run of the test program instead, under a time limit: in the virtual
# machine (tools/vm32.sh), where starting a program takes a second or two,
# that halves the time. The logs go to build/e2e-<width>.log and
# build/e2e-<width>-big5.log, each ending in ctest's summary line.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

width=$1 by_suite=${2:-}
use_wine "$width"
trap stop_all EXIT
log=$BUILD/e2e-$width
rm -f "$log.log" "$log-big5.log"

# run_suites FILTER: each suite of the tests the gtest filter names in one
# run of the test program. A test that did not report passing or skipped
# failed, also when its run crashed or was killed at the time limit.
run_suites() {
  local program=$WIN_BUILD/bin/tavimo_e2e.exe total=0 passed=0 output
  output=$(mktemp)
  while read -r suite count; do
    say "$suite: $count tests"
    timeout --kill-after=10 $((60 + 60 * count)) "$WINE_LOADER" "$program" \
      --gtest_filter="$suite.*" --gtest_also_run_disabled_tests 2>&1 | tr -d '\r' >"$output"
    local status=${PIPESTATUS[0]}
    cat "$output"
    [ $status -eq 124 ] && echo "$suite: killed at the time limit"
    local ok
    ok=$(grep -cE "$GTEST_DONE_LINE" "$output")
    total=$((total + count)) passed=$((passed + ok))
  done < <("$WINE_LOADER" "$program" --gtest_list_tests --gtest_filter="$1" | tr -d '\r' |
    awk '/^[^ ].*\.$/ { suite = substr($1, 1, length($1) - 1); order[++n] = suite }
         /^  / { count[suite]++ }
         END { for (i = 1; i <= n; i++) print order[i], count[order[i]] }')
  rm -f "$output"
  # In ctest's words, which the test command counts.
  echo "$((total ? 100 * passed / total : 0))% tests passed, $((total - passed)) tests failed out of $total"
}

# run_tests CTEST_REGEX_OPTION GTEST_FILTER
run_tests() {
  if [ -n "$by_suite" ]; then
    run_suites "$2"
  else
    (cd "$WIN_BUILD" && ctest --output-on-failure --timeout 120 "$1" "$BIG5_SUITES" 2>&1)
  fi
}

# Both prefixes at once: making one keeps a core busy only part of the time.
(make_prefix) & (use_big5_locale && make_prefix) &
wait

start_display && start_wine || { say "Wine or the virtual display did not start"; exit 1; }
run_tests -E '-*Big5.*' | tee "$log.log" | tail -n 40

say "the tests with the Traditional Chinese code page (950, Big5)"
/usr/lib/wine/wineserver -k 2>/dev/null
use_big5_locale && start_wine
run_tests -R '*Big5.*' | tee "$log-big5.log" | tail -n 20
