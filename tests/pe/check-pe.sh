#!/usr/bin/env bash
# Checks that an executable is a PE32 Windows GUI program for Intel 80386 that imports only
# DLLs every Windows system has.
set -euo pipefail
exe="$1"
headers="$(i686-w64-mingw32-objdump -p "$exe")"
fail() { echo "FAIL: $*"; exit 1; }

grep -q "file format pei-i386" <<<"$headers" || fail "not a PE32 image for Intel 80386"
grep -Eq "^Magic[[:space:]]+010b" <<<"$headers" || fail "optional header is not PE32"
grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$headers" || fail "not a Windows GUI program"

allowed="KERNEL32.dll USER32.dll GDI32.dll COMCTL32.dll COMDLG32.dll msvcrt.dll"
imports="$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")"
[ -n "$imports" ] || fail "no imports found"
for dll in $imports; do
  found=no
  for ok in $allowed; do
    [ "${dll^^}" = "${ok^^}" ] && found=yes
  done
  [ "$found" = yes ] || fail "imports $dll, which is not a system DLL"
done
echo "PE32 GUI executable for i386; imports: $(echo $imports)"
