#!/usr/bin/env bash
# wine_session_no_scanner.sh RIG ARCH SOURCE.ds Z8SCAN.exe
# Without a scanner the source loads, but refuses to open.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4

"$rig" install "$arch" "$source"
set +e
out=$("$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose --hold 2)
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 1 ] || { echo "FAIL: exit code $rc, expected 1"; exit 1; }
grep -qx 'MSG_OPENDS -> rc 1 cc [0-9]*' <<<"$out" || { echo "FAIL: MSG_OPENDS was not refused"; exit 1; }

# The capability command goes no further than the refused open either.
set +e
out=$("$rig" run "$z8scan" caps --source "VARUR UZ Edazi 1.0" get all set CAP_XFERCOUNT int16 -1)
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 1 ] || { echo "FAIL: caps exit code $rc, expected 1"; exit 1; }
grep -qx 'MSG_OPENDS -> rc 1 cc [0-9]*' <<<"$out" || { echo "FAIL: caps: MSG_OPENDS was not refused"; exit 1; }
if grep -q '^MSG_GET\|^containers:' <<<"$out"; then
  echo "FAIL: capabilities were negotiated with a source that is not open"
  exit 1
fi
