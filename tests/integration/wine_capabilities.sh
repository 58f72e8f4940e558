#!/usr/bin/env bash
# wine_capabilities.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU
# Capability negotiation through the manager (Wine's twain_32.dll, or
# TWAINDSM.dll when Z8_TWAINDSM names it) with an open source (the
# emulator answers its start-up query): every capability answers, values are
# set and read back, refusals carry their condition codes, and every
# container the source hands over is freed.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5

source "$(dirname "$0")/wine_test_env.sh"
source "$(dirname "$0")/manager_env.sh"
start_emulator --flatbed 2 --feeder 1

caps() { z8 caps --source "VARUR UZ Edazi 1.0" "$@"; }

out=$(caps get all) || fail "get all failed"
printf '%s\n' "$out"
received=$(sed -n 's/^containers: \([0-9]*\) received, [0-9]* freed$/\1/p' <<<"$out")
freed=$(sed -n 's/^containers: [0-9]* received, \([0-9]*\) freed$/\1/p' <<<"$out")
printed=$(grep -c '^MSG_GET [A-Z_]*: TW_' <<<"$out" || true)
answered=$(grep -c '^MSG_GET ' <<<"$out" || true)
# CAP_SUPPORTEDCAPS first, then each of the 32 it lists.
[ "$answered" -eq 33 ] || fail "$answered answers to get all"
[ "${received:-0}" -eq "$printed" ] && [ "$received" = "$freed" ] ||
  fail "containers printed/received/freed: $printed/'$received'/'$freed'"

set +e
out=$(caps set ICAP_PIXELTYPE uint16 2 getcurrent ICAP_PIXELTYPE \
           set ICAP_GAMMA fix32 7.5 getcurrent ICAP_GAMMA \
           set CAP_XFERCOUNT int16 -1 set CAP_XFERCOUNT uint16 65535 \
           querysupport ICAP_LAMPSTATE querysupport ICAP_ORIENTATION)
set -e
printf '%s\n' "$out"
expect "$out" 'MSG_GETCURRENT ICAP_PIXELTYPE: TW_ONEVALUE TWTY_UINT16 2'
expect "$out" 'MSG_GETCURRENT ICAP_GAMMA: TW_RANGE TWTY_FIX32 min 1 max 5 step 0.1 default 1 current 5'
expect "$out" 'MSG_SET CAP_XFERCOUNT TWTY_INT16 -1: ok'
expect "$out" 'MSG_SET CAP_XFERCOUNT TWTY_UINT16 65535: refused, rc 1 cc 10 TWCC_BADVALUE'
expect "$out" 'MSG_QUERYSUPPORT ICAP_LAMPSTATE: TW_ONEVALUE TWTY_INT32 9 (GET GETCURRENT)'
grep -q '^MSG_QUERYSUPPORT ICAP_ORIENTATION: refused, rc 1 cc 13 ' <<<"$out" ||
  fail "an unknown capability was not refused with TWCC_CAPUNSUPPORTED"

# What a scan follows. Each run opens the source afresh.
width='MSG_GETCURRENT ICAP_PHYSICALWIDTH: TW_ONEVALUE TWTY_FIX32 8.27'
badvalue='refused, rc 1 cc 10 TWCC_BADVALUE'
# A units reset converts the layouts: the bed stays 8.27 in wide.
for unit in 1 5; do
  out=$(caps set ICAP_UNITS uint16 $unit reset ICAP_UNITS getcurrent ICAP_UNITS \
             getcurrent ICAP_PHYSICALWIDTH) || fail "units reset from $unit failed"
  printf '%s\n' "$out"
  expect "$out" 'MSG_GETCURRENT ICAP_UNITS: TW_ONEVALUE TWTY_UINT16 0'
  expect "$out" "$width"
done
# Entries of the centimetre list are whole dots per inch.
out=$(caps set ICAP_UNITS uint16 1 set ICAP_XRESOLUTION fix32 118.11023 \
           set ICAP_YRESOLUTION fix32 236.22046 set ICAP_UNITS uint16 0 \
           getcurrent ICAP_XRESOLUTION getcurrent ICAP_YRESOLUTION) ||
  fail "centimetre entries failed"
printf '%s\n' "$out"
expect "$out" 'MSG_GETCURRENT ICAP_XRESOLUTION: TW_ONEVALUE TWTY_FIX32 300'
expect "$out" 'MSG_GETCURRENT ICAP_YRESOLUTION: TW_ONEVALUE TWTY_FIX32 600'
# A pixel-type reset brings its bit depth along.
out=$(caps set ICAP_PIXELTYPE uint16 0 reset ICAP_PIXELTYPE getcurrent ICAP_PIXELTYPE \
           getcurrent ICAP_BITDEPTH) || fail "pixel type reset failed"
printf '%s\n' "$out"
expect "$out" 'MSG_GETCURRENT ICAP_PIXELTYPE: TW_ONEVALUE TWTY_UINT16 1'
expect "$out" 'MSG_GETCURRENT ICAP_BITDEPTH: TW_ONEVALUE TWTY_UINT16 8'
# Less than 1 dpi is refused and changes nothing.
set +e
out=$(caps set ICAP_XRESOLUTION fix32 300 set ICAP_YRESOLUTION fix32 300 \
           set ICAP_XRESOLUTION fix32 0 set ICAP_YRESOLUTION fix32 0.5 \
           set ICAP_XRESOLUTION fix32 -300 set ICAP_UNITS uint16 1 \
           set ICAP_YRESOLUTION fix32 0.3 set ICAP_UNITS uint16 0 \
           getcurrent ICAP_XRESOLUTION getcurrent ICAP_YRESOLUTION)
set -e
printf '%s\n' "$out"
expect "$out" "MSG_SET ICAP_XRESOLUTION TWTY_FIX32 0: $badvalue"
expect "$out" "MSG_SET ICAP_YRESOLUTION TWTY_FIX32 0.5: $badvalue"
expect "$out" "MSG_SET ICAP_XRESOLUTION TWTY_FIX32 -300: $badvalue"
expect "$out" "MSG_SET ICAP_YRESOLUTION TWTY_FIX32 0.3: $badvalue"
expect "$out" 'MSG_GETCURRENT ICAP_XRESOLUTION: TW_ONEVALUE TWTY_FIX32 300'
expect "$out" 'MSG_GETCURRENT ICAP_YRESOLUTION: TW_ONEVALUE TWTY_FIX32 300'
exit $status
