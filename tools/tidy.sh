#!/usr/bin/env bash
# clang-tidy with the checked-in .clang-tidy, test files aside (parsing
# GoogleTest in each would take four times as long). Any finding fails.
#   tools/tidy.sh native    the native build's sources (build/native, configured
#                           with its compile database, as tools/test.sh does)
#   tools/tidy.sh windows   every product source of the shipped 32-bit build,
#                           the Windows half too (configures build/mingw-i686)
set -euo pipefail
source "$(dirname "$0")/lib.sh"

case ${1:-} in
  native)
    database=$BUILD/native files='^(?!.*_test\.cpp$).*/(src|bench|tests)/.*\.cpp$' extra=()
    ;;
  windows)
    database=$BUILD/mingw-i686 files='^(?!.*_test\.cpp$).*/src/.*\.cpp$'
    configure_windows mingw-i686 Release
    # clang reads the sources as MinGW's g++ does: for its target, with the
    # same C++ library and Windows headers.
    extra=(-extra-arg=--target=i686-w64-mingw32)
    for include in $(echo | i686-w64-mingw32-g++-posix -E -x c++ - -v 2>&1 |
      sed -n '/search starts here/,/End of search/p' | grep '^ /'); do
      extra+=(-extra-arg=-isystem"$include")
    done
    ;;
  *)
    echo "usage: tools/tidy.sh native|windows" >&2
    exit 2
    ;;
esac

log=$BUILD/tidy-$1.log
run-clang-tidy -j 2 -quiet -p "$database" "${extra[@]}" "$files" >"$log" 2>&1 ||
  { grep -v '^clang-tidy\|warnings generated' "$log"; exit 1; }
