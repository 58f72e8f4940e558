#!/usr/bin/env bash
# wine_english.sh RIG ARCH SOURCE.ds LIBRARY.dll Z8SCAN.exe Z8EMU ARTEFACTS
# The English resource library in the Windows directory, where the source's
# search by name finds it: the identity and every text of the scanning, About,
# image parameters and progress windows are English; once it is gone the source
# speaks French again. Screenshots are kept in ARTEFACTS.
set -euo pipefail
rig=$1 arch=$2 source=$3 library=$4 z8scan=$5 emulator=$6 artefacts=$7

source "$(dirname "$0")/wine_test_env.sh"
mkdir -p "$artefacts"
windows=$(dirname "$link")/prefix/drive_c/windows
# The other tests share the prefix: they get it back French, with their
# settings file.
if [ -f "$windows/ViruvoVozav.ini" ]; then mv "$windows/ViruvoVozav.ini" "$work/kept.ini"; fi
restore() {
  stop_emulator
  rm -f "$windows/twainZ8.dll" "$windows/ViruvoVozav.ini"
  if [ -f "$work/kept.ini" ]; then mv "$work/kept.ini" "$windows/ViruvoVozav.ini"; fi
  rm -rf "$work"
}
trap restore EXIT
cp "$library" "$windows/twainZ8.dll"

# identity_line TEXT: the identity that Wine's manager lists has this line.
identity_line() {
  grep -qxF "  $1" <<<"$listing" || fail "the identity lacks '  $1'"
}
listing=$("$rig" run "$z8scan" list)
printf '%s\n' "$listing"
identity_line "VersionInfo: February 2003"
identity_line "ProductName: VARUR UZ Edazi 1.0"
identity_line "Manufacturer: TAVRO"

start_emulator --flatbed 2 --feeder 1

# run_script FILE [ARGS...]: a session with the script; every step must be ok.
run_script() {
  local script=$1 out rc steps
  shift
  set +e
  out=$("$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose "$@" \
    --script "Z:$script")
  rc=$?
  set -e
  printf '%s\n' "$out"
  [ "$rc" -eq 0 ] || fail "the session of $(basename "$script") exited $rc"
  steps=$(grep -cv '^\(#.*\)\?$' "$script")
  [ "$(grep -c '^ok ' <<<"$out")" -eq "$steps" ] || fail "not every step of $(basename "$script") is ok"
}

# A fresh settings file: the built-in profiles, named in English. The caption
# labels take their text when they are first painted, hence the waits.
cat >"$work/dialog.txt" <<EOF
wait-window scanning
expect-text window "VARUR UZ Edazi 1.0"
wait-text 1050 "Resolution"
wait-text 1062 "Profile"
wait-text 1061 "Image"
expect-text 1056 "Height: 11.69 in"
expect-text-contains 1057 "Width: "
expect-text-contains 1055 "File size: "
expect-text-contains 1055 " KB"
expect-entries 1058 "Screen/Internet" Printer "Black and white fax" OCR
expect-text 2 "Cancel"
screenshot window "Z:$artefacts/dialog_english_$arch.png"
# The About box, from the system menu.
system-command window 16
wait-window about
expect-text window "About the scanner"
screenshot window "Z:$artefacts/about_box_english_$arch.png"
click 1
wait-gone about
wait-window scanning
click 1011
wait-window parameters
expect-text window "Image colour settings"
wait-text 1065 "Red"
wait-text 1066 "Green"
wait-text 1067 "Blue"
wait-text 1068 "Contrast"
wait-text 1069 "Brightness"
wait-text 1071 "Filter"
expect-text 1017 "None"
expect-entries 1017 None Sharper Descreen
screenshot window "Z:$artefacts/image_parameters_english_$arch.png"
click 2
wait-window scanning
EOF
run_script "$work/dialog.txt"

# Without the dialog the progress window shows the transfer.
cat >"$work/progress.txt" <<EOF
wait-window progress within 30
expect-text window "VARUR UZ Edazi 1.0"
wait-text-contains 1084 "Transfer" within 30
wait-event MSG_XFERREADY within 60
EOF
run_script "$work/progress.txt" --no-ui

rm -f "$windows/twainZ8.dll"
listing=$("$rig" run "$z8scan" list)
identity_line "VersionInfo: Février 2003"
exit $status
