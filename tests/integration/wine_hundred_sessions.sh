#!/usr/bin/env bash
# wine_hundred_sessions.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS
# A hundred whole sessions in one process through the manager (Wine's
# twain_32.dll, or TWAINDSM.dll when Z8_TWAINDSM names it) against the
# emulator on COM1: open, enable without and with the dialog, scan, transfer
# by each kind in turn, disable, close. The process's handles, threads and
# windows must end where the first session left them, the bytes in use in its
# heaps within 16 KiB and its private bytes within 512 KiB of where they were
# halfway. A small grey area at 50 dpi keeps each scan short: what is watched
# is the sessions, not the pages. The whole output is kept in ARTEFACTS.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6
kinds=native,memory,file

source "$(dirname "$0")/wine_test_env.sh"
source "$(dirname "$0")/manager_env.sh"
mkdir -p "$artefacts"
log=$artefacts/hundred_sessions_${arch}_${manager[1]:-twain32}.txt
cd "$work"

start_emulator --flatbed 2 --feeder 0
out=$(z8 sessions --count 100 --kinds "$kinds" --source "VARUR UZ Edazi 1.0" --flatbed \
        --pixel-type grey --dpi 50 --frame 0,0,2,1) || status=1
printf '%s\n' "$out" >"$log"
grep '^after session \|^sessions: \|failed$' <<<"$out" || true
echo "the whole output: $log"
grep -qxF 'sessions: 100, 0 failed; nothing grew after the first' <<<"$out" || status=1
[ "$status" -eq 0 ] || echo "FAIL: the hundred sessions"
exit $status
