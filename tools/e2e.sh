#!/usr/bin/env bash
# Builds the Windows programs and runs the end-to-end tests once, directly
# (no ctest), keeping the Wine prefix between calls: quick for working on
# one test. Arguments go to the test program, e.g. --gtest_filter='Store*'.
# TAVIMO_BUILD_ROOT picks the build folder (default: build/).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

pick_wine
build_windows "$TOOLCHAIN" Release >/dev/null
start_virtual_wine
"$WINE_LOADER" "$WIN_BUILD/bin/tavimo_e2e.exe" "$@"
