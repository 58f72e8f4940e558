#!/usr/bin/env bash
# Cross-builds the TWAIN Working Group's 2.x source manager (TWAINDSM.dll) for
# both mingw-w64 targets, once, under build/deps/<triple>/bin. Tests only: the
# Wine rig installs it beside Wine's own manager; nothing ships it.
# Its source stays outside the project: Z8_TWAINDSM_SOURCE, by default
# ../shared/third-party/twain-dsm beside the project's folder.
set -euo pipefail
say() { printf '[twaindsm] %s\n' "$*"; }
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/build/deps
src=${Z8_TWAINDSM_SOURCE:-$root/../shared/third-party/twain-dsm}/src

need=()
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
  [ -f "$deps/$triple/bin/TWAINDSM.dll" ] || need+=("$triple")
done
if [ "${#need[@]}" -eq 0 ]; then
  say "cached in $deps"
  exit 0
fi
if [ ! -f "$src/dsm.cpp" ]; then
  say "no manager source at $src (set Z8_TWAINDSM_SOURCE): not built"
  exit 0
fi

for triple in "${need[@]}"; do
  say "building for $triple"
  work=$deps/build-twaindsm-$triple
  rm -rf "$work"
  mkdir -p "$work" "$deps/$triple/bin"
  # Its Visual C++ code paths expect min and max templates from windows.h.
  cat >"$work/mingw.h" <<'H'
#include <windows.h>
template <class T> T min(T a, T b) { return b < a ? b : a; }
template <class T> T max(T a, T b) { return a < b ? b : a; }
H
  case $triple in
    i686-*) bits=-DTWNDSM_OS_32BIT=1 ;;
    *) bits=-DTWNDSM_OS_64BIT=1 ;;
  esac
  flags=(-O2 -fpermissive -w -include "$work/mingw.h" -I"$src"
         -DTWNDSM_CMP=TWNDSM_CMP_VISUALCPP -DTWNDSM_CMP_VERSION=1300
         -DTWNDSM_OS=TWNDSM_OS_WINDOWS "$bits" -DWIN32 -D_WINDOWS -DNDEBUG)
  "$triple-windres" -I"$src" "$src/dsm.rc" -O coff -o "$work/dsm.res.o"
  for unit in dsm apps hook log; do
    "$triple-g++-posix" "${flags[@]}" -c "$src/$unit.cpp" -o "$work/$unit.o" 2>>"$work/build.log"
  done
  "$triple-g++-posix" -shared -static -o "$work/TWAINDSM.dll" "$work"/*.o "$src/dsm.def" \
    -Wl,--enable-stdcall-fixup -Wl,--kill-at \
    -luser32 -lgdi32 -lkernel32 -ladvapi32 -lshell32 -lole32 2>>"$work/build.log"
  cp "$work/TWAINDSM.dll" "$deps/$triple/bin/TWAINDSM.dll"
  rm -rf "$work"
done
say "done: $deps"
