#!/usr/bin/env bash
# The Wine rig: one prefix under build/, a private X server, the source
# installed where Wine's TWAIN manager finds it.
#
#   wine-rig.sh prefix                       create the prefix once (about 20 s)
#   wine-rig.sh install win32|win64 FILE.ds  install a source as sane.ds, and the
#                                            sample picture its build drew
#   wine-rig.sh install-dsm win32|win64 FILE.dll
#                                            install the 2.x manager TWAINDSM.dll
#                                            beside Wine's manager of that kind
#   wine-rig.sh run PROGRAM.exe [ARGS...]    run a program in the prefix
#   wine-rig.sh map-com1 [PATH]              COM1 := PATH (default build/rig/com1,
#                                            the scanner emulator's link); prints PATH
#   wine-rig.sh stop                         stop wineserver and the X server
#   wine-rig.sh runs32                       exit 0 when this machine runs 32-bit programs
#   wine-rig.sh can-run PROGRAM.exe          exit 0 when it can run here, else 77
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
rig=${Z8_RIG_DIR:-$root/build/rig}
export WINEPREFIX=$rig/prefix
export WINEDEBUG=${WINEDEBUG:--all}
# Use our source as a native file and hide Wine's own camera source.
export WINEDLLOVERRIDES="mscoree,mshtml=;sane.ds=n;gphoto2.ds="
mkdir -p "$rig"

say() { printf '[wine-rig] %s\n' "$*" >&2; }

# Some machines cannot execute 32-bit programs at all (their kernel or
# hypervisor has no 32-bit mode): Wine then runs through its 64-bit loader,
# and 32-bit programs are skipped with exit code 77.
if wine --version >/dev/null 2>&1; then
  WINE=wine
  runs32=1
else
  WINE=/usr/lib/wine/wine64
  export WINELOADER=$WINE
  runs32=0
fi

skip_if_32bit() {
  [ "$runs32" -eq 1 ] && return
  say "this machine cannot run 32-bit programs: skipped"
  exit 77
}

# True for a 32-bit (i386) PE file.
is_pe32() {
  local file=$1 offset
  [ -f "$file" ] || return 1
  offset=$(od -An -t u4 -j 60 -N 4 "$file" | tr -d ' ')
  [ "$(od -An -t x2 -j $((offset + 4)) -N 2 "$file" | tr -d ' ')" = 014c ]
}

# The Linux path of a program named by a Linux path or a C:\ path.
program_file() {
  case $1 in
    [Cc]:\\*) local rest=${1:3}; printf '%s/drive_c/%s' "$WINEPREFIX" "${rest//\\//}" ;;
    *) printf '%s' "$1" ;;
  esac
}

locked() {
  # Concurrent tests share the prefix and the X server: set them up once.
  exec 9>"$rig/lock"
  flock 9
  "$@"
  flock -u 9
}

server_running() {
  # The server's working directory is named after the prefix's device and inode.
  local want pid
  want=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep wineserver || true); do
    case $(readlink "/proc/$pid/cwd" 2>/dev/null) in
      */"$want") return 0 ;;
    esac
  done
  return 1
}

start_wineserver() {
  # Detached from the caller's output: otherwise a stopping server dumps its
  # objects into it.
  mkdir -p "$WINEPREFIX"
  server_running && return
  wineserver -p 600 </dev/null >/dev/null 2>&1 &
  for _ in $(seq 100); do
    server_running && return
    sleep 0.05
  done
}

ensure_prefix() {
  if [ ! -f "$WINEPREFIX/.z8-ready-2" ]; then
    say "creating the prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    start_wineserver
    "$WINE" wineboot.exe -i </dev/null >/dev/null 2>&1
    # The dialogs' MS Sans Serif: fonts-wine's bitmap fonts, which this Wine
    # looks for in the prefix's Fonts folder only. Without them dialog units
    # measure wider than on Windows.
    cp /usr/share/wine/fonts/sserif*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
    # The captions' Times New Roman: Liberation Serif has its metrics.
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
      /d 'Liberation Serif' /f </dev/null >/dev/null 2>&1
    # No window manager runs on the X server: Wine draws the frames itself.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.z8-ready-2"
  fi
}

ensure_display() {
  if [ -f "$rig/xvfb.display" ] && kill -0 "$(cat "$rig/xvfb.pid" 2>/dev/null)" 2>/dev/null; then
    return
  fi
  # Xvfb picks a free display itself and writes its number, so that several
  # rigs (work trees, CI) can run side by side.
  rm -f "$rig/xvfb.num"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$rig/xvfb.num" </dev/null >/dev/null 2>&1 &
  echo $! >"$rig/xvfb.pid"
  local n=""
  for _ in $(seq 100); do
    n=$(tr -d '[:space:]' <"$rig/xvfb.num" 2>/dev/null || true)
    [ -n "$n" ] && break
    sleep 0.1
  done
  if [ -z "$n" ]; then
    say "Xvfb did not start"
    exit 1
  fi
  echo ":$n" >"$rig/xvfb.display"
  say "X server on :$n"
}

setup() {
  # The X server comes first: Wine's desktop process, started with the first
  # program of a server's life, keeps the display it was given, and without
  # one no window can be created until the server restarts.
  local fresh_display=0
  [ -f "$rig/xvfb.display" ] && kill -0 "$(cat "$rig/xvfb.pid" 2>/dev/null)" 2>/dev/null || fresh_display=1
  ensure_display
  DISPLAY=$(cat "$rig/xvfb.display")
  export DISPLAY
  if [ "$fresh_display" -eq 1 ] && [ -d "$WINEPREFIX" ] && server_running; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  ensure_prefix
  start_wineserver
}

map_com1() {
  # Wine opens COM1 as the device that HKLM\Software\Wine\Ports names; its
  # dosdevices link is rewritten from that value when the server starts again.
  # The port driver's key (NT family, value "2" = 1) names \\.\COM1.
  local path=$1
  [ "$(readlink "$WINEPREFIX/dosdevices/com1" 2>/dev/null || true)" = "$path" ] && return
  say "mapping COM1 to $path"
  "$WINE" reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$path" /f </dev/null >/dev/null 2>&1
  "$WINE" reg add 'HKLM\System\CurrentControlSet\Services\QXXNT\Parameters' /v 2 /t REG_DWORD /d 1 /f \
    </dev/null >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  start_wineserver
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

cmd=${1:-}
shift || true
case $cmd in
  prefix)
    locked setup
    ;;
  install)
    arch=$1 file=$2
    [ "$arch" = win32 ] && skip_if_32bit
    locked setup
    case $arch in
      win32) dir=$WINEPREFIX/drive_c/windows/twain_32 ;;
      win64) dir=$WINEPREFIX/drive_c/windows/twain_64 ;;
      *) say "unknown architecture $arch"; exit 2 ;;
    esac
    mkdir -p "$dir"
    cp "$file" "$dir/sane.ds.tmp" && mv "$dir/sane.ds.tmp" "$dir/sane.ds"
    # The sample picture of the image parameters dialog, drawn by the same build.
    sample=$(dirname "$file")/../pictures/zevodaz.bmp
    if [ -f "$sample" ]; then
      mkdir -p "$WINEPREFIX/drive_c/windows/twain_32/z8twain"
      cp "$sample" "$WINEPREFIX/drive_c/windows/twain_32/z8twain/zevodaz.bmp"
    fi
    ;;
  install-dsm)
    arch=$1 file=$2
    [ "$arch" = win32 ] && skip_if_32bit
    # Its source lives outside the project (../shared/third-party/twain-dsm);
    # without it the bootstrap builds no manager and its tests are skipped.
    if [ ! -f "$file" ]; then
      say "no manager at $file (scripts/build-twaindsm.sh found no source): skipped"
      exit 77
    fi
    locked setup
    # The system folder of programs of that kind: a 32-bit program sees
    # syswow64 as its system32 in a prefix that has one.
    dir=$WINEPREFIX/drive_c/windows/system32
    if [ "$arch" = win32 ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
      dir=$WINEPREFIX/drive_c/windows/syswow64
    fi
    cp "$file" "$dir/TWAINDSM.dll.tmp" && mv "$dir/TWAINDSM.dll.tmp" "$dir/TWAINDSM.dll"
    ;;
  run)
    is_pe32 "$(program_file "$1")" && skip_if_32bit
    locked setup
    DISPLAY=$(cat "$rig/xvfb.display")
    export DISPLAY
    start_wineserver
    # Wine's own background processes (services, the desktop) start with the
    # first program of a session and inherit its output; start them here on
    # /dev/null so that a test's output pipe closes when its program ends.
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
    exec "$WINE" "$@" </dev/null
    ;;
  map-com1)
    path=${1:-$rig/com1}
    locked setup
    # Wine's background processes start here again: give them the X server.
    DISPLAY=$(cat "$rig/xvfb.display")
    export DISPLAY
    locked map_com1 "$path"
    echo "$path"
    ;;
  runs32)
    [ "$runs32" -eq 1 ]
    ;;
  can-run)
    if is_pe32 "$(program_file "$1")"; then skip_if_32bit; fi
    ;;
  stop)
    if [ -d "$WINEPREFIX" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -f "$rig/xvfb.pid" ]; then
      kill "$(cat "$rig/xvfb.pid")" 2>/dev/null || true
      rm -f "$rig/xvfb.pid" "$rig/xvfb.display"
    fi
    ;;
  *)
    sed -n '2,16p' "$0" >&2
    exit 2
    ;;
esac
