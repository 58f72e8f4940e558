#!/usr/bin/env bash
# wine_scan.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS
# Scans through the manager (Wine's twain_32.dll, or
# TWAINDSM.dll when Z8_TWAINDSM names it) against the emulator on COM1: without the
# dialog the scan runs inside MSG_ENABLEDS, the progress window shows the
# transfer and the application hears MSG_XFERREADY; with the dialog, Scan
# pressed by z8scan's driver scans and notifies, the stop button sends
# CMD_ABORT and shows nothing, and a refused scan shows its coded message box.
# Screenshots go to ARTEFACTS.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6

source "$(dirname "$0")/wine_test_env.sh"
source "$(dirname "$0")/manager_env.sh"
mkdir -p "$artefacts"

session() { z8 session --source "VARUR UZ Edazi 1.0" --verbose "$@"; }
# A script, then its session; prints both outputs.
scripted() {
  local name=$1
  shift
  cat >"$work/$name.txt"
  session --ui --script "Z:$work/$name.txt" "$@" 2>&1 || true
}

# Without the dialog: the whole scan runs inside MSG_ENABLEDS.
start_emulator --flatbed 2 --feeder 0 --transcript "$work/no-ui.hex"
out=$(session --no-ui --hold 60) || fail "the session without the dialog failed"
printf '%s\n' "$out"
expect "$out" 'MSG_ENABLEDS -> rc 0 cc 0'
expect "$out" 'event: MSG_XFERREADY'
grep -q '^<< 35 00 01 00 00 00 | 00 ' "$work/no-ui.hex" || fail "no page ended without the dialog"
stop_emulator

# Without the dialog the progress window shows the transfer while the scan
# runs inside MSG_ENABLEDS, and goes when it ends.
start_emulator --flatbed 2 --feeder 0 --bytes-per-second 150000
cat >"$work/progress.txt" <<EOF
wait-window progress within 30
wait-text-contains 1084 "Transfert" within 30
screenshot window Z:$artefacts/progress_$arch.png
wait-event MSG_XFERREADY within 60
wait-gone progress
EOF
out=$(session --no-ui --script "Z:$work/progress.txt" 2>&1) || fail "the progress window"
printf '%s\n' "$out"
stop_emulator

# With the dialog: Scan pressed, the page scanned, the application woken.
start_emulator --flatbed 2 --feeder 0
out=$(scripted scan <<EOF
wait-window scanning
press 1
wait-event MSG_XFERREADY within 60
wait-visible 1
expect-hidden 3
expect-hidden 1000
screenshot window Z:$artefacts/scan_done_$arch.png
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the scan with the dialog"
stop_emulator

# Stop pressed while the bands arrive: CMD_ABORT goes to the scanner, the
# dialog comes back without a message, the application is woken all the same.
start_emulator --flatbed 2 --feeder 0 --bytes-per-second 100000 --transcript "$work/stop.hex"
out=$(scripted stop <<EOF
wait-window scanning
press 1
wait-visible 3 within 30
wait-text-contains 1064 "Transfert" within 30
screenshot window Z:$artefacts/scan_running_$arch.png
click 3 within 60
wait-visible 1 within 30
expect-hidden 3
! wait-window message within 1
wait-event MSG_XFERREADY within 30
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the stopped scan"
grep -q '^>> 33 00 00 00 00 00 ' "$work/stop.hex" || fail "no CMD_ABORT reached the scanner"
grep -q '^<< 35 00 01 00 00 00 ' "$work/stop.hex" && fail "the stopped page was finished"
stop_emulator

# A refusal (cover open): the coded message, closed by the driver.
start_emulator --flatbed 2 --feeder 0 --refuse 0x84
out=$(scripted refused <<EOF
wait-window scanning
press 1
expect-message "Défaut du scanner : code 0x84" within 30
wait-event MSG_XFERREADY within 30
wait-enabled 1
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the refused scan"
exit $status
