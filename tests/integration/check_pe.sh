#!/usr/bin/env bash
# check_pe.sh OBJDUMP FILE [EXPORT...]
# Fails when FILE imports a DLL that a plain Windows installation lacks (the
# mingw runtimes must be linked in), or, given EXPORT names, when its export
# table holds anything but exactly those names.
set -euo pipefail
objdump=$1 file=$2
shift 2

allowed='^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|ole32|oleaut32|msvcrt|shlwapi|winmm|version|uxtheme|ws2_32)\.dll$'
dump=$("$objdump" -p "$file")
status=0

while read -r dll; do
  lower=$(printf '%s' "$dll" | tr 'A-Z' 'a-z')
  if [[ ! $lower =~ $allowed ]]; then
    echo "FAIL: $file imports $dll"
    status=1
  fi
done < <(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')

if [ $# -gt 0 ]; then
  # Rows of the name pointer table look like "[   0] DS_Entry".
  exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
            sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort)
  expected=$(printf '%s\n' "$@" | sort)
  if [ "$exports" != "$expected" ]; then
    echo "FAIL: $file exports:"
    printf '  %s\n' $exports
    echo "expected:"
    printf '  %s\n' $expected
    status=1
  fi
fi
[ $status -eq 0 ] && echo "ok: $file"
exit $status
