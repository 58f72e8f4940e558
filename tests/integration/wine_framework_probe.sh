#!/usr/bin/env bash
# wine_framework_probe.sh RIG FRAMEWORK_PROBE.exe
# The dialog framework's checks with real windows under Wine: every line of
# the probe must be ok.
set -euo pipefail
rig=$1 probe=$2
"$rig" can-run "$probe"
set +e
out=$(timeout 60 "$rig" run "$probe" | tr -d '\r')
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 0 ] || { echo "FAIL: the probe exited $rc"; exit 1; }
[ "$(grep -c "^ok " <<<"$out")" -eq 19 ] || { echo "FAIL: checks missing"; exit 1; }
