#!/usr/bin/env bash
# The demo: installs what is missing, builds the product for Windows and the
# scanner emulator, then under Wine: lists the TWAIN sources that Wine's own
# source manager finds, scans a page without the source's dialog (the
# application hears MSG_XFERREADY), and runs a session with the dialog
# against the emulated scanner on COM1: a preview and a frame dragged on it.
# What it prints and a screenshot of the dialog are kept in out/. On a
# machine that cannot run 32-bit programs the 64-bit source and application
# stand in for the 32-bit ones.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

rig=scripts/wine-rig.sh
scripts/bootstrap.sh
arch=win32
"$rig" runs32 || arch=win64
for preset in native "$arch"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

emu=""
finish() {
  if [ -n "$emu" ]; then kill -TERM "$emu" 2>/dev/null || true; wait "$emu" 2>/dev/null || true; fi
  "$rig" stop
}
trap finish EXIT
mkdir -p out
z8scan=build/$arch/tools/z8scan.exe

"$rig" install "$arch" "build/$arch/datasource/twainZ8.ds"
link=$("$rig" map-com1)
build/native/tools/emulator/z8emu --link "$link" --flatbed 2 --feeder 1 --idle-timeout 120 \
  --transcript out/scanner.txt >/dev/null &
emu=$!
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done
echo "scanner emulator on $(readlink "$link"), mapped to COM1 ($arch build)"

echo
echo "TWAIN sources seen by Wine's source manager:"
"$rig" run "$z8scan" list | tee out/sources.txt

echo
echo "A scan without the source's dialog: it runs inside MSG_ENABLEDS, then the"
echo "application hears MSG_XFERREADY:"
"$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose --no-ui --hold 60 |
  tee out/scan.txt
grep -qxF 'event: MSG_XFERREADY' out/scan.txt

echo
echo "A session with the source's dialog, worked by z8scan's dialog driver: a"
echo "preview, then a frame dragged on it (steps in out/dialog_steps.txt):"
cat >out/dialog_steps.txt <<EOF
wait-window scanning
click 1001
wait-enabled 1001 within 60
drag 1042 40 60 200 300
screenshot window Z:$root/out/scanner_dialog.png
EOF
"$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose \
  --script "Z:$root/out/dialog_steps.txt" >out/session.txt
cat out/session.txt

echo
echo "saved in out/: sources.txt, scan.txt, session.txt, scanner.txt (the serial"
echo "exchanges), dialog_steps.txt, scanner_dialog.png"
