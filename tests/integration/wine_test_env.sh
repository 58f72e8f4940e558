# Sourced by the Wine tests of the source against the scanner emulator on
# COM1: checks that the emulator was built, maps COM1 to its link
# (emulator_env.sh), installs the source, makes the scratch folder $work
# (removed at exit, the emulator stopped) and gives fail and expect, which
# count failures in $status.
# Needs $rig, $arch, $source and $emulator.
[ -x "$emulator" ] || { echo "FAIL: no emulator at $emulator"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/emulator_env.sh"
"$rig" install "$arch" "$source"
work=$(mktemp -d)
trap 'stop_emulator; rm -rf "$work"' EXIT

status=0
fail() { echo "FAIL: $*"; status=1; }
# expect OUTPUT LINE: fails unless OUTPUT holds LINE whole.
expect() { grep -qxF -- "$2" <<<"$1" || fail "missing line '$2'"; }
