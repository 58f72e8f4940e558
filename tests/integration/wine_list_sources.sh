#!/usr/bin/env bash
# wine_list_sources.sh RIG ARCH SOURCE.ds Z8SCAN.exe
# The manager (Wine's own twain_32.dll, or TWAINDSM.dll when Z8_TWAINDSM names
# it) must find our source and report its identity.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4

"$rig" install "$arch" "$source"
source "$(dirname "$0")/manager_env.sh"
out=$(z8 list)
printf '%s\n' "$out"

# Our source's block: from its ProductName back to the "source N" line.
block=$(printf '%s\n' "$out" | awk '/^source /{b=""} {b=b $0 "\n"} /ProductName: VARUR UZ Edazi 1.0$/{printf "%s", b; exit}')
status=0
expect() {
  if ! printf '%s\n' "$block" | grep -qxF "  $1"; then
    echo "FAIL: missing line '  $1'"
    status=1
  fi
}
expect "Manufacturer: TAVRO"
expect "ProductFamily: ZEVODAZ"
expect "ProductName: VARUR UZ Edazi 1.0"
expect "VersionInfo: Février 2003"
expect "Version: 1.1"
expect "Language: 5"
expect "Country: 33"
expect "Protocol: 1.9"
expect "SupportedGroups: 0x00000003"
exit $status
