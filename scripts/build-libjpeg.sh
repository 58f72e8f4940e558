#!/usr/bin/env bash
# Cross-builds libjpeg-turbo (the upstream tarball of Debian's source package)
# as a static library for both mingw-w64 targets, once, under build/deps.
set -euo pipefail
say() { printf '[libjpeg] %s\n' "$*"; }
root=$(cd "$(dirname "$0")/.." && pwd)
deps=$root/build/deps
mkdir -p "$deps/src"

need=()
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
  [ -f "$deps/$triple/lib/libjpeg.a" ] || need+=("$triple")
done
if [ "${#need[@]}" -eq 0 ]; then
  say "cached in $deps"
  exit 0
fi

cd "$deps/src"
tarball=$(ls libjpeg-turbo_*.orig.tar.gz 2>/dev/null | head -n1 || true)
if [ -z "$tarball" ]; then
  say "fetching the libjpeg-turbo source package (apt-get source --download-only)"
  apt-get source --download-only -qq libjpeg-turbo
  tarball=$(ls libjpeg-turbo_*.orig.tar.gz | head -n1)
fi
srcdir=$deps/src/${tarball%.orig.tar.gz}
if [ ! -d "$srcdir" ]; then
  say "unpacking $tarball"
  mkdir -p "$srcdir"
  tar -xzf "$tarball" -C "$srcdir" --strip-components=1
fi

for triple in "${need[@]}"; do
  case $triple in
    i686-*) proc=i686 ;;
    *) proc=AMD64 ;;
  esac
  say "building for $triple"
  tc=$deps/$triple-toolchain.cmake
  cat >"$tc" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $proc)
set(CMAKE_C_COMPILER $triple-gcc-posix)
set(CMAKE_RC_COMPILER $triple-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triple)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
TC
  rm -rf "$deps/build-$triple"
  cmake -S "$srcdir" -B "$deps/build-$triple" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$tc" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps/$triple" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF \
    -DREQUIRE_SIMD=ON >"$deps/build-$triple.log"
  cmake --build "$deps/build-$triple" --target jpeg-static >>"$deps/build-$triple.log"
  mkdir -p "$deps/$triple/lib" "$deps/$triple/include"
  cp "$deps/build-$triple/libjpeg.a" "$deps/$triple/lib/"
  cp "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" "$deps/build-$triple/jconfig.h" "$deps/$triple/include/"
  rm -rf "$deps/build-$triple"
done
say "done: $deps"
