#!/usr/bin/env bash
# wine_capabilities.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU
# Capability negotiation through Wine's twain_32.dll with an open source (the
# emulator answers its start-up query): every capability answers, values are
# set and read back, refusals carry their condition codes, and every
# container the source hands over is freed.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5

[ -x "$emulator" ] || { echo "FAIL: no emulator at $emulator"; exit 1; }
source "$(dirname "$0")/emulator_env.sh"
"$rig" install "$arch" "$source"
start_emulator --flatbed 2 --feeder 1

status=0
fail() { echo "FAIL: $*"; status=1; }
expect() { grep -qxF -- "$2" <<<"$1" || fail "missing line '$2'"; }
caps() { "$rig" run "$z8scan" caps --source "VARUR UZ Edazi 1.0" "$@"; }

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
exit $status
