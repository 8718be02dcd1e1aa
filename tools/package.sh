#!/usr/bin/env bash
# Makes the release package build/tavimo-<version>.zip: the stripped 32-bit
# release tavimo.exe (with its version resource and manifest), the README and
# the licence. The version is the project's, set in CMakeLists.txt.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

ensure_packages
build_windows mingw-i686 Release tavimo >/dev/null
version=$(sed -n 's/^project(tavimo VERSION \([0-9.]*\).*/\1/p' "$TOP/CMakeLists.txt")
stage=$BUILD/package/tavimo-$version
rm -rf "$BUILD/package" && mkdir -p "$stage"
i686-w64-mingw32-strip -o "$stage/tavimo.exe" "$BUILD/mingw-i686/bin/tavimo.exe"
"$TOP/tools/check-exe.sh" "$stage/tavimo.exe"
cp "$TOP/README.md" "$TOP/LICENSE" "$stage/"
rm -f "$BUILD/tavimo-$version.zip"
(cd "$BUILD/package" && zip -q -r "$BUILD/tavimo-$version.zip" "tavimo-$version")
say "wrote $BUILD/tavimo-$version.zip ($(stat -c %s "$stage/tavimo.exe") bytes of tavimo.exe)"
