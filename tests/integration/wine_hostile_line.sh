#!/usr/bin/env bash
# wine_hostile_line.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU PAGE_CHECK
# The Win32 serial link under Wine against a hostile line: a line that sends
# in small pieces with pauses gives exactly the page; a line that drops inside
# a band fails the acquisition in bounded time, and once the line is back the
# next acquisition gets its page.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 check=$6

source "$(dirname "$0")/wine_test_env.sh"
[ -x "$check" ] || { echo "FAIL: no page checker at $check"; exit 1; }
cd "$work"

# 200 x 100 pixels from (50, 25) at 100 dpi.
acquire() {
  rm -f page-*.bmp
  "$rig" run "$z8scan" acquire --source "VARUR UZ Edazi 1.0" --flatbed --dpi 100 \
    --frame 0.5,0.25,2.5,1.25 --pixel-type rgb --timeout 60 "$@"
}
page_ok() { "$check" page-1.bmp rgb 50 25 200 100 100 100 || fail "$1: not the emulator's page"; }

for line in 1 2; do
  start_emulator --flatbed 2 --feeder 0 --lines-per-band 16 --split-writes 20 --line-pattern "$line"
  out=$(acquire --memory) || fail "split line $line: the acquisition failed"
  printf '%s\n' "$out"
  page_ok "split line $line"
  stop_emulator
done

# The port reports the hung-up line, so the run fails at its next read
# instead of waiting out the read's long timeouts (30 s). A whole acquisition
# here, Wine's start included, takes about 12 s: 30 s is a generous bound.
for line in 3 4; do
  start_emulator --flatbed 2 --feeder 0 --lines-per-band 16 --fault drop-line --line-pattern "$line"
  begin=$(date +%s)
  if out=$(acquire --native); then fail "dropped line $line: the acquisition succeeded"; fi
  took=$(($(date +%s) - begin))
  printf '%s\ndropped line %s: failed after %s s\n' "$out" "$line" "$took"
  [ "$took" -le 30 ] || fail "dropped line $line: $took s"
  stop_emulator
  start_emulator --flatbed 2 --feeder 0
  out=$(acquire --native) || fail "after dropped line $line: the acquisition failed"
  printf '%s\n' "$out"
  page_ok "after dropped line $line"
  stop_emulator
done
exit $status
