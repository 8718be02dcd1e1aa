#!/usr/bin/env bash
# Checks a built tavimo.exe: a PE32 (i686) GUI program with its version
# resource and manifest, importing no DLL but Windows' own.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "$exe: $*" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$dump" || fail "not a 32-bit PE"
grep -qE 'Subsystem\s+00000002' <<<"$dump" || fail "not a GUI program"
allowed='^(KERNEL32|USER32|GDI32|SHELL32|COMDLG32|COMCTL32|OLE32|OLEAUT32|ADVAPI32|msvcrt)\.dll$'
while read -r dll; do
  grep -qiE "$allowed" <<<"$dll" || fail "imports $dll, which Windows does not ship"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
wide=$(i686-w64-mingw32-strings -el "$exe")
version=$(sed -n 's/^project(tavimo VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
grep -q 'VS_VERSION_INFO' <<<"$wide" || fail "no version resource"
grep -qx 'Tavimo' <<<"$wide" || fail "the version resource does not name the program"
grep -qx "$version" <<<"$wide" || fail "the version resource does not carry version $version"
grep -q 'Microsoft.Windows.Common-Controls' <<<"$(i686-w64-mingw32-strings "$exe")" || fail "no manifest"
