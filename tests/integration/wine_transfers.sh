#!/usr/bin/env bash
# wine_transfers.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU PAGE_CHECK ARTEFACTS
# Transfers through the manager (Wine's twain_32.dll, or
# TWAINDSM.dll when Z8_TWAINDSM names it) against the scanner emulator on COM1,
# with z8scan acquire writing every page as a BMP file that the native
# PAGE_CHECK compares pixel by pixel with the emulator's page: every pixel
# type by native transfer and by memory strips in a pointer and in a handle,
# the sheet feeder's loop, the whole native handle, and what real
# applications do (MSG_RESET at MSG_XFERREADY, MSG_ENDXFER in the middle of
# the strips, a strip refused then the proper one, the questions of states 4,
# 6 and 7, the whole close-down from the handling of MSG_XFERREADY, the scan
# pressed in the dialog), and a file.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 check=$6 artefacts=$7

source "$(dirname "$0")/wine_test_env.sh"
[ -x "$check" ] || { echo "FAIL: no page checker at $check"; exit 1; }
source "$(dirname "$0")/manager_env.sh"
mkdir -p "$artefacts"
cd "$work"

# 200 x 100 pixels from (50, 25) at 100 dpi.
area=(--dpi 100 --frame 0.5,0.25,2.5,1.25)
acquire() { z8 acquire --source "VARUR UZ Edazi 1.0" "$@"; }
# acquire ARGS... with its output printed and kept in $out; false when it fails.
run() {
  rm -f page-*.bmp
  echo "-- acquire $*"
  out=$(acquire "$@") && rc=0 || rc=$?
  printf '%s\n' "$out"
  return "$rc"
}
page_ok() { "$check" "$1" "$2" 50 25 200 100 100 100 || fail "$1 is not the emulator's page ($2)"; }
handle_bytes=8
[ "$arch" = win32 ] && handle_bytes=4

start_emulator --flatbed 2 --feeder 1 --pages 5

# Every pixel type, by native transfer and by memory strips of the preferred
# size in a pointer and of one row in a handle.
for type in bw grey palette rgb; do
  kind=$type
  [ "$type" = palette ] && kind=grey
  for mech in "--native" "--memory" "--memory --handle --strip min"; do
    # shellcheck disable=SC2086
    run --flatbed "${area[@]}" --pixel-type "$type" $mech || fail "$type $mech failed"
    grep -q '^page 1: 200 x 100, 100 x 100 dpi, TWPT_' <<<"$out" || fail "$type $mech: no page line"
    expect "$out" 'pages: 1'
    page_ok page-1.bmp "$kind"
    if [ "$mech" = --native ]; then
      grep -q "^native: a handle of $handle_bytes bytes to a block of " <<<"$out" ||
        fail "$type: the native handle is not whole"
      identify page-1.bmp >/dev/null || fail "$type: the page does not open in identify"
      cp page-1.bmp "$artefacts/transfer_${arch}_$type.bmp"
    fi
  done
done

# The sheet feeder: a limit of 2 pages with sheets left over, then every
# sheet left (the last ends the document), by memory and by native transfer.
run --feeder --count 2 "${area[@]}" --pixel-type rgb --memory || fail "feeder, 2 pages"
expect "$out" 'pages: 2'
page_ok page-1.bmp rgb
page_ok page-2.bmp rgb
run --feeder --count -1 "${area[@]}" --pixel-type grey --native || fail "feeder, every sheet"
expect "$out" 'pages: 3'
for n in 1 2 3; do page_ok "page-$n.bmp" grey; done

# What real applications do, on the flatbed.
run --flatbed "${area[@]}" --pixel-type bw --reset-at-ready || fail "MSG_RESET at MSG_XFERREADY"
expect "$out" 'MSG_RESET at MSG_XFERREADY: rc 0, Count 0'
expect "$out" 'pages: 0'
run --flatbed "${area[@]}" --pixel-type grey --memory --strip min --end-after-strips 2 ||
  fail "MSG_ENDXFER in the middle of the strips"
expect "$out" 'page 1: MSG_ENDXFER after 2 strips, Count 0'
run --flatbed "${area[@]}" --pixel-type rgb --memory --strip min --short-buffer-first ||
  fail "a refused strip, then the proper one"
expect "$out" 'a strip of 599 bytes: rc 1 cc 10'
page_ok page-1.bmp rgb
run --flatbed "${area[@]}" --pixel-type grey --memory --probe || fail "the questions"
expect "$out" 'state 4: DAT_IMAGELAYOUT MSG_GET 0 0 8.27 11.7'
expect "$out" 'state 6: DAT_XFERGROUP 0x2'
expect "$out" 'state 6: ICAP_XFERMECH 2'
expect "$out" 'state 6: DAT_PENDINGXFERS Count 1'
expect "$out" 'state 7: DAT_IMAGEINFO as in state 6'
page_ok page-1.bmp grey
# The whole close-down from the handling of MSG_XFERREADY; the next process
# finds the port closed and scans at once.
run --flatbed "${area[@]}" --pixel-type bw --native --reset-after-end || fail "the close-down"
expect "$out" 'MSG_RESET after the last MSG_ENDXFER: rc 0, Count 0'
run --flatbed "${area[@]}" --pixel-type bw --native || fail "the scan after the close-down"
page_ok page-1.bmp bw
# Scan pressed in the dialog, strips shown in it.
run --ui --press-scan --flatbed "${area[@]}" --pixel-type rgb --memory --handle ||
  fail "the scan pressed in the dialog"
expect "$out" 'pressing Scan'
page_ok page-1.bmp rgb
# A file, as a BMP (wine_files.sh proves the rest), named whole: a relative
# name is the source's folder's.
run --flatbed "${area[@]}" --pixel-type grey --file --out "Z:$work" || fail "a file transfer"
page_ok page-1.bmp grey
exit $status
