#!/usr/bin/env bash
# wine_dialog_driver.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS
# z8scan's dialog driver against the source's scanning dialog under Wine,
# with the emulator on COM1: it finds the dialog, reads texts, states and
# sizes, is refused clicks on hidden or disabled controls, types, takes
# screenshots (kept in ARTEFACTS), hears the source's notifications while the
# script runs, reports failed steps, gives up when the session ends first,
# and rejects a malformed script without opening the source.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6

source "$(dirname "$0")/wine_test_env.sh"
mkdir -p "$artefacts"

start_emulator --flatbed 2 --feeder 1
session() { "$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose "$@"; }

# Wine opens Z: paths as the Linux files.
cat >"$work/dialog.txt" <<EOF
# The scanning dialog as it opens.
wait-window scanning
expect-text window "VARUR UZ Edazi 1.0"
expect-visible 1032
expect-enabled 1032
expect-text 1050 "Résolution"
# The stop button shows only while scanning and a preset cannot be stored:
# a user cannot click them, so neither can the driver.
expect-hidden 3
! click 3
select 1058 Imprimante
expect-disabled 1018
! click 1018
# Dialog units as on Windows: MS Sans Serif 8 has 6x13 base units, so the
# feeder button (54x31 units) measures 81x50 pixels. The window has the
# fixed size the dialog gives it for the flatbed, 550x495 pixels with its
# frame.
expect-size 1032 81 50
expect-size window 544 470
# Typed keys reach the profile combo's edit field, accents included.
type 1058 "Mon profil é"
wait-text 1058 "Mon profil é"
screenshot window "Z:$artefacts/dialog_driver_$arch.png"
screenshot window "Z:$work/dialog.bmp"
EOF
set +e
out=$(session --script "Z:$work/dialog.txt")
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 0 ] || fail "the script's session exited $rc"
steps=$(grep -cv '^\(#.*\)\?$' "$work/dialog.txt")
[ "$(grep -c '^ok ' <<<"$out")" -eq "$steps" ] || fail "not every one of the $steps steps is ok"
expect "$out" 'ok ! click 3 (failed as expected: control 3 is hidden)'
expect "$out" 'ok ! click 1018 (failed as expected: control 1018 is disabled)'
expect "$out" 'MSG_DISABLEDS -> rc 0 cc 0'
# Both files hold the same pixels, read back by ImageMagick.
png=$artefacts/dialog_driver_$arch.png
size=$(identify -format '%wx%h' "$png" 2>/dev/null || true)
[ -n "$size" ] && [ "$(identify -format '%wx%h' "$work/dialog.bmp")" = "$size" ] ||
  fail "screenshots unreadable or of different sizes: '$size'"
[ "$(compare -metric AE "$png" "$work/dialog.bmp" null: 2>&1 || true)" = 0 ] ||
  fail "the PNG and BMP screenshots differ"

# With a script the loop keeps running after a notification, the script
# waits for it; a failed step makes the exit code 1, and when the session
# ends first (--hold) the waiting step gives up and the rest is not run. The
# source is disabled and closed all the same.
cat >"$work/events.txt" <<EOF
wait-window scanning
wait-event MSG_CLOSEDSREQ within 20
expect-text 1050 Resolution
wait-event MSG_XFERREADY within 60
click 1001
EOF
set +e
out=$(session --escape-after 1 --hold 8 --script "Z:$work/events.txt")
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 1 ] || fail "a failed step gave exit code $rc, expected 1"
expect "$out" 'event: MSG_CLOSEDSREQ'
expect "$out" 'ok wait-event MSG_CLOSEDSREQ within 20'
expect "$out" 'FAIL expect-text 1050 Resolution: the text is "Résolution"'
expect "$out" 'hold expired'
expect "$out" 'FAIL wait-event MSG_XFERREADY within 60: the event has not come (the session ended)'
expect "$out" 'FAIL click 1001: not run, the session ended'
expect "$out" 'MSG_DISABLEDS -> rc 0 cc 0'
expect "$out" 'closed'

# A malformed script is refused before anything is opened.
printf 'wait-window scanning\nclik 1001\n' >"$work/bad.txt"
set +e
out=$(session --script "Z:$work/bad.txt" 2>&1)
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 2 ] || fail "a malformed script gave exit code $rc, expected 2"
grep -qF "line 2: unknown step 'clik'" <<<"$out" || fail "the mistake is not named"
if grep -q '^MSG_OPENDS\|^opened' <<<"$out"; then fail "the source was opened"; fi
exit $status
