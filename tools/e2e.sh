#!/usr/bin/env bash
# Builds the Windows programs and runs the end-to-end tests once, directly
# (no ctest), keeping the Wine prefix between calls: quick for working on
# one test. Arguments go to the test program, e.g. --gtest_filter='Store*'.
#   --32  the shipped 32-bit build: under 32-bit Wine where this kernel runs
#         32-bit programs, else in the virtual machine (tools/vm32.sh)
#   --64  the 64-bit build under 64-bit Wine
# Without either, the 32-bit build where the kernel runs it, else the 64-bit.
# TAVIMO_BUILD_ROOT picks the build folder (default: build/). With
# LC_ALL=zh_TW.UTF-8 the tests run in code page 950, in a prefix of their own.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

case "${1:-}" in
  --32) use_wine 32; shift ;;
  --64) use_wine 64; shift ;;
  --built) use_wine "$2"; shift 2; built=1 ;;  # in the virtual machine
  *) pick_wine ;;
esac
if [ -z "${built:-}" ]; then
  build_windows "$TOOLCHAIN" Release >/dev/null
  if [ "$WINE_ARCH" = win32 ] && ! runs_32bit; then
    command="LC_ALL=${LC_ALL:-} tools/e2e.sh --built 32"
    for argument in "$@"; do command+=" $(printf '%q' "$argument")"; done
    exec "$TOP/tools/vm32.sh" run "$command"
  fi
fi
if [[ "${LC_ALL:-}" == zh_TW* ]] && [ -z "${TAVIMO_WINEPREFIX:-}" ]; then use_big5_locale; fi
start_virtual_wine
"$WINE_LOADER" "$WIN_BUILD/bin/tavimo_e2e.exe" "$@"
