#!/usr/bin/env bash
# wine_unload.sh RIG PROBE.exe SOURCE.ds Z8EMU
# An application unloads the source while it is enabled with its dialog: the
# unload returns at once and nothing the source left running faults later.
set -euo pipefail
rig=$1 probe=$2 source=$3 emulator=$4

[ -x "$emulator" ] || { echo "FAIL: no emulator at $emulator"; exit 1; }
source "$(dirname "$0")/emulator_env.sh"
start_emulator --flatbed 2
work=$(mktemp -d)
trap 'stop_emulator; rm -rf "$work"' EXIT
# The probe loads the source by its path, not through the manager.
cp "$source" "$work/twainZ8.ds"
set +e
out=$(timeout 60 "$rig" run "$probe" "Z:$work/twainZ8.ds" | tr -d "\r")
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 77 ] && exit 77
grep -qxF 'enabled: rc 0' <<<"$out" || { echo "FAIL: not enabled"; exit 1; }
grep -qxF 'still running' <<<"$out" || { echo "FAIL: the process died after the unload"; exit 1; }
[ "$rc" -eq 0 ] || { echo "FAIL: exit $rc"; exit 1; }
