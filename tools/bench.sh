#!/usr/bin/env bash
# Benchmarks: builds Tavimo and the floor programs in release mode, runs them
# under Wine on a virtual display (natively: the shipped 32-bit build where
# this kernel runs 32-bit programs, else the 64-bit build; its second line
# says which) and prints the medians of several runs
# (--runs N, default 7): each Tavimo figure beside the same work done by the
# plainest Win32 program, their ratio and its target. Then the size of the
# shipped 32-bit tavimo.exe, stripped, and the DLLs it imports.
# TAVIMO_BUILD_ROOT picks the build folder (default: build/). Exit code 0 when
# every target is met, 3 when one is missed, anything else when a step fails.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages
pick_wine
# A prefix of its own, so that the association the bench registers for its
# documents never meets the tests.
export WINEPREFIX=${TAVIMO_WINEPREFIX:-$BUILD/wineprefix-bench-$WINE_ARCH}
mkdir -p "$BUILD"

say "release build of Tavimo and the floor programs ($TOOLCHAIN)"
build_windows "$TOOLCHAIN" Release bench_runner >"$BUILD/bench-build.log" 2>&1 ||
  { cat "$BUILD/bench-build.log"; exit 1; }
say "release build of the shipped tavimo.exe (mingw-i686)"
build_windows mingw-i686 Release tavimo >"$BUILD/bench-build-i686.log" 2>&1 ||
  { cat "$BUILD/bench-build-i686.log"; exit 1; }

start_virtual_wine
# With no window manager on the virtual display, Wine waits two seconds for
# one whenever a managed window is hidden; unmanaged windows spare both
# programs that wait, which would swamp the figures.
"$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

cpu=$(sed -n 's/^model name\s*:\s*//p' /proc/cpuinfo | head -n 1)
echo "$(date -u '+%Y-%m-%d %H:%M UTC'); $(nproc) cores, ${cpu:-unknown CPU}; Linux $(uname -r);" \
  "$("$WINE_LOADER" --version) ($WINE_ARCH, $TOOLCHAIN build)"
# Timings taken inside the emulated machine would mean nothing: where this
# kernel cannot run the shipped build, the figures are the 64-bit build's,
# and say so.
if [ "$WINE_ARCH" = win32 ]; then
  echo "measured: the shipped 32-bit build, $WIN_BUILD/bin/tavimo.exe, under 32-bit Wine"
else
  echo "measured: the 64-bit build of the same sources, $WIN_BUILD/bin/tavimo.exe, under 64-bit Wine;" \
    "NOT the shipped 32-bit build, which this kernel cannot run"
fi
status=0
"$WINE_LOADER" "$WIN_BUILD/bin/bench_runner.exe" "$@" | tr -d '\r' || status=$?

shipped=$BUILD/mingw-i686/bin/tavimo.exe
stripped=$BUILD/tavimo-stripped.exe
i686-w64-mingw32-strip -o "$stripped" "$shipped"
echo "tavimo.exe (32-bit release, stripped): $(stat -c %s "$stripped") bytes"
if "$TOP/tools/check-exe.sh" "$stripped"; then
  echo "only Windows' own DLLs: yes"
else
  echo "only Windows' own DLLs: NO"
  [ "$status" -ne 0 ] || status=3
fi
exit "$status"
