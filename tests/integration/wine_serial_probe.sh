#!/usr/bin/env bash
# wine_serial_probe.sh RIG PROBE.exe Z8EMU
# The Win32 serial link under Wine: COM1 found through the port driver's key,
# mapped to the scanner emulator's pseudo-terminal; the start-up query and a
# status; a silent scanner, and a stopped one, fail within their bounds.
set -euo pipefail
rig=$1 probe=$2 emulator=$3
"$rig" can-run "$probe" || exit $?

if [ ! -x "$emulator" ]; then
  echo "SKIP: no native emulator at $emulator (build the native preset first)"
  exit 77
fi

link=$("$rig" map-com1)
work=$(mktemp -d)
emu=""
cleanup() {
  if [ -n "$emu" ]; then kill -TERM "$emu" 2>/dev/null || true; wait "$emu" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

status=0
fail() { echo "FAIL: $*"; status=1; }

start_emulator() {
  "$emulator" --link "$link" --idle-timeout 60 --transcript "$work/transcript" "$@" >"$work/slave" &
  emu=$!
  for _ in $(seq 100); do
    [ -L "$link" ] && return
    sleep 0.05
  done
  fail "the emulator did not make its link"
}

stop_emulator() {
  kill -TERM "$emu"
  wait "$emu" || fail "the emulator exited with $?"
  emu=""
  [ ! -e "$link" ] && [ ! -L "$link" ] || fail "the emulator left its link"
}

expect_line() {  # OUTPUT LINE
  grep -qxF -- "$2" <<<"$1" || fail "missing line '$2'"
}

# ms of "... in N ms" on the line starting with PREFIX.
elapsed() { sed -n "s/^$2.* in \([0-9]*\) ms$/\1/p" <<<"$1"; }

run_probe() {  # MODE: sets $out and $probe_rc
  probe_rc=0
  "$rig" run "$probe" "$1" >"$work/out" || probe_rc=$?
  out=$(tr -d '\r' <"$work/out")
  printf '%s\n' "$out"
}

start_emulator --feeder 1 --flatbed 2
run_probe query
[ "$probe_rc" -eq 0 ] || fail "query exited with $probe_rc"
expect_line "$out" 'port \\.\COM1'
expect_line "$out" "inquiry 01 02"
expect_line "$out" "setup flatbed 2 feeder 4 source 2 paper 1"
expect_line "$out" "status 5 SCAN_FEUILLE_PRETE"

# Nothing asked, nothing comes: 50 calls of 50 ms.
run_probe silence
ms=$(elapsed "$out" "silent read false, 0 bytes")
if [ -z "$ms" ] || [ "$ms" -lt 2000 ] || [ "$ms" -gt 5000 ]; then
  fail "a silent read should fail after about 2500 ms"
fi
stop_emulator
cat "$work/transcript"

# With the emulator gone the query fails within the link's bounds: the open
# fails, or, where Wine falls back to its default device for a COM1 whose
# link is dangling, the inquiry's write and read (50 calls of 50 ms each).
run_probe query
case $probe_rc in
  3 | 4) ;;
  *) fail "query without the emulator exited with $probe_rc" ;;
esac
ms=$(elapsed "$out" "done")
if [ -z "$ms" ] || [ "$ms" -gt 6000 ]; then
  fail "a query without the emulator should fail within 5 s"
fi
exit $status
