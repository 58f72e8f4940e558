#!/usr/bin/env bash
# wine_install_layout.sh RIG PAYLOAD WIN32_TREE WIN64_TREE Z8SCAN.exe Z8EMU ARTEFACTS
# The files laid out as the installer lays them out on 64-bit Windows (by
# lay_out_install.sh, from the installer's own list), run by the 64-bit
# application: with English chosen the 32-bit English library in the Windows
# directory serves the 64-bit source, which opens against the emulator on
# COM1 and shows its dialog in English; choosing French again (an upgrade in
# place) removes the library and the source speaks French.
set -euo pipefail
rig=$1 payload=$2 win32=$3 win64=$4 z8scan=$5 emulator=$6 artefacts=$7
here=$(dirname "$0")

[ -x "$emulator" ] || { echo "FAIL: no emulator at $emulator"; exit 1; }
source "$here/emulator_env.sh"
mkdir -p "$artefacts"
drive_c=$(dirname "$link")/prefix/drive_c
windows=$drive_c/windows
work=$(mktemp -d)
if [ -f "$windows/ViruvoVozav.ini" ]; then mv "$windows/ViruvoVozav.ini" "$work/kept.ini"; fi
restore() {
  stop_emulator
  rm -rf "$windows/twainZ8.dll" "$drive_c/QXLauncher" "$windows/ViruvoVozav.ini"
  if [ -f "$work/kept.ini" ]; then mv "$work/kept.ini" "$windows/ViruvoVozav.ini"; fi
  rm -rf "$work"
}
trap restore EXIT

lay_out() {
  local rc=0
  "$here/lay_out_install.sh" "$payload" "$win32" "$win64" "$(dirname "$payload")" "$drive_c" "$1" ||
    rc=$?
  if [ "$rc" -eq 3 ]; then
    echo "the installer's files are not all built (win32 and win64 presets): skipped"
    exit 77
  fi
  [ "$rc" -eq 0 ] || exit "$rc"
  # Wine's manager discovers only sane.ds: the laid-out source under that name.
  cp "$windows/twain_64/z8twain/twainZ8.ds" "$windows/twain_64/sane.ds"
}

status=0
fail() { echo "FAIL: $*"; status=1; }
version_info() {
  local listing
  listing=$("$rig" run "$z8scan" list)
  grep -qxF "  VersionInfo: $1" <<<"$listing" || fail "the identity's VersionInfo is not '$1'"
}

lay_out EN
[ -f "$windows/twainZ8.dll" ] || fail "no English library in the Windows directory"
[ -f "$drive_c/QXLauncher/QXLauncher.INI" ] || fail "no example settings file beside the launcher"
version_info "February 2003"

start_emulator --flatbed 2 --feeder 1
cat >"$work/dialog.txt" <<EOF
wait-window scanning
wait-text 1050 "Resolution"
expect-text 2 "Cancel"
click 1011
wait-window parameters
expect-text window "Image colour settings"
screenshot window "Z:$artefacts/installed_english_parameters.png"
click 2
wait-window scanning
EOF
set +e
out=$("$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose --script "Z:$work/dialog.txt")
rc=$?
set -e
printf '%s\n' "$out"
[ "$rc" -eq 0 ] || fail "the session exited $rc"
[ "$(grep -c '^ok ' <<<"$out")" -eq "$(grep -c . "$work/dialog.txt")" ] || fail "not every step is ok"
stop_emulator

# The settings file's user edits survive; the library goes with French.
echo "; edited" >>"$drive_c/QXLauncher/QXLauncher.INI"
lay_out FR
[ ! -f "$windows/twainZ8.dll" ] || fail "the English library stayed after French was chosen"
grep -qxF "; edited" "$drive_c/QXLauncher/QXLauncher.INI" || fail "the upgrade overwrote the settings file"
version_info "Février 2003"
exit $status
