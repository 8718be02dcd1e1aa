#!/usr/bin/env bash
# Checks a built tavimo.exe: a PE32 (i686) GUI program with its version
# resource and manifest, importing no DLL but Windows' own. Prints the DLLs.
set -euo pipefail
exe=$1
top=$(dirname "$0")/..
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "$exe: $*" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$dump" || fail "not a 32-bit PE"
grep -qE 'Subsystem\s+00000002' <<<"$dump" || fail "not a GUI program"
allowed='^(KERNEL32|USER32|GDI32|SHELL32|COMDLG32|COMCTL32|OLE32|OLEAUT32|ADVAPI32|msvcrt)\.dll$'
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
# DLLs the program loads itself on first use, by name, from the system folder.
on_first_use='SHELL32.dll COMDLG32.dll'
wide=$(i686-w64-mingw32-strings -el "$exe")
for dll in $on_first_use; do
  grep -qi "$dll" <<<"$wide" || fail "does not name $dll, which it should load on first use"
  if grep -qix "$dll" <<<"$imports"; then fail "loads $dll at start, not on first use"; fi
done
# A toolchain's delay-import stubs differ by width (the 32-bit ones once
# crashed every first call): the program loads DLLs itself, the same at both.
grep -qE 'Entry d 0+ 0+\s+Delay Import Directory' <<<"$dump" || fail "has a delay-import table"
for dll in $imports $on_first_use; do
  grep -qiE "$allowed" <<<"$dll" || fail "imports $dll, which Windows does not ship"
done
version=$(sed -n 's/^project(tavimo VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
grep -q 'VS_VERSION_INFO' <<<"$wide" || fail "no version resource"
grep -qx 'Tavimo' <<<"$wide" || fail "the version resource does not name the program"
grep -qx "$version" <<<"$wide" || fail "the version resource does not carry version $version"
grep -q 'Microsoft.Windows.Common-Controls' <(i686-w64-mingw32-strings "$exe") || fail "no manifest"
echo "imports: ${imports//$'\n'/ }; loaded on first use: ${on_first_use//$'\n'/ }"
