#!/usr/bin/env bash
# wine_session_emulator.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS
# Whole application sessions through the manager (Wine's twain_32.dll, or
# TWAINDSM.dll when Z8_TWAINDSM names it) against the scanner
# emulator on COM1: open, enable with and without the dialog, disable, close,
# twice in one process; a second process cannot load the source meanwhile;
# without a scanner the source does not open. A screenshot of the dialog is
# kept in ARTEFACTS.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6

source "$(dirname "$0")/wine_test_env.sh"
source "$(dirname "$0")/manager_env.sh"
mkdir -p "$artefacts"

count() { grep -cxF -- "$2" <<<"$1" || true; }

start_emulator --flatbed 2 --feeder 1

session() { z8 session --source "VARUR UZ Edazi 1.0" --verbose "$@"; }

# With the dialog, two cycles; the screenshot is taken while the first holds.
session --ui --hold 4 --cycles 2 >"$work/ui" 2>&1 &
pid=$!
sleep 2.5
DISPLAY=$(cat "$(dirname "$link")/xvfb.display") import -window root "$artefacts/scanner_dialog_$arch.png" ||
  fail "no screenshot"
# Meanwhile a second process cannot load the source.
second=$(z8 list || true)
wait "$pid" || fail "the session with the dialog failed"
out=$(cat "$work/ui")
printf '%s\n' "$out"
[ "$(count "$out" 'MSG_OPENDS -> rc 0 cc 0')" -eq 2 ] || fail "not opened twice"
[ "$(count "$out" 'MSG_ENABLEDS -> rc 0 cc 0')" -eq 2 ] || fail "not enabled twice"
[ "$(count "$out" 'MSG_DISABLEDS -> rc 0 cc 0')" -eq 2 ] || fail "not disabled twice"
[ "$(count "$out" 'MSG_CLOSEDS -> rc 0 cc 0')" -eq 2 ] || fail "not closed twice"
grep -q '^events: [0-9]* for the source, [1-9][0-9]* for the application$' <<<"$out" ||
  fail "application messages were not handed back"
before=$(sed -n 's/^before enable: //p' <<<"$out" | sort -u)
after=$(sed -n 's/^after disable: //p' <<<"$out" | sort -u)
[ -n "$before" ] && [ "$before" = "$after" ] || fail "threads or windows left behind: '$before' / '$after'"
printf 'second process:\n%s\n' "$second"
if grep -q 'ProductName: VARUR UZ Edazi 1.0' <<<"$second"; then
  fail "a second process loaded the source"
fi

# Esc in the dialog travels through MSG_PROCESSEVENT and cancels it: the
# settings are stored as the default profile and the application is asked to
# close the source.
ini=$(dirname "$link")/prefix/drive_c/windows/ViruvoVozav.ini
rm -f "$ini"
out=$(session --ui --escape-after 2 --hold 20) || fail "the cancelled session failed"
printf '%s\n' "$out"
grep -qxF 'event: MSG_CLOSEDSREQ' <<<"$out" || fail "no close request after Esc"
grep -qx $'\\[Par d\xe9faut\\]\r' "$ini" 2>/dev/null || fail "the default profile was not stored"

# Without the dialog: the scan command runs inside MSG_ENABLEDS.
out=$(session --no-ui --hold 2) || fail "the session without the dialog failed"
printf '%s\n' "$out"
grep -qxF 'MSG_ENABLEDS -> rc 0 cc 0' <<<"$out" || fail "not enabled without the dialog"

# No scanner: the source loads but does not open.
stop_emulator
set +e
out=$(session --hold 2)
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 1 ] || fail "opened without a scanner (exit $rc)"
grep -q '^MSG_OPENDS -> rc 1' <<<"$out" || fail "MSG_OPENDS was not refused"

# Capabilities are not negotiated with a source that did not open.
set +e
out=$(z8 caps --source "VARUR UZ Edazi 1.0" get all set CAP_XFERCOUNT int16 -1)
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 1 ] || fail "caps exit code $rc, expected 1"
grep -q '^MSG_OPENDS -> rc 1' <<<"$out" || fail "caps: MSG_OPENDS was not refused"
if grep -q '^MSG_GET\|^containers:' <<<"$out"; then
  fail "capabilities were negotiated with a source that is not open"
fi
exit $status
