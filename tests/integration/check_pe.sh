#!/usr/bin/env bash
# check_pe.sh OBJDUMP FILE [--no-static-guards] [EXPORT...]
# Fails when FILE imports a DLL that a plain Windows installation lacks (the
# mingw runtimes must be linked in), or, given EXPORT names, when its export
# table holds anything but exactly those names. With --no-static-guards, also
# when its code initialises a function-local static under a guard: in a
# library that applications load and free again and again, each guard leaves
# a thread handle and an event behind per load.
set -euo pipefail
objdump=$1 file=$2
shift 2
guards=0
if [ "${1:-}" = --no-static-guards ]; then
  guards=1
  shift
fi

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
if [ $guards -eq 1 ]; then
  callers=$("$objdump" -d --no-show-raw-insn -C "$file" |
            awk '/^[0-9a-f]+ <.*>:$/ { name = $0 } /call.*<__cxa_guard_acquire>/ { print name }' | sort -u)
  if [ -n "$callers" ]; then
    echo "FAIL: $file builds function-local statics under a guard in:"
    sed 's/^/  /' <<<"$callers"
    status=1
  fi
fi
[ $status -eq 0 ] && echo "ok: $file"
exit $status
