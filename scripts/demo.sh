#!/usr/bin/env bash
# The demo: installs what is missing, builds the product for Windows and the
# scanner emulator, then under Wine: lists the TWAIN sources that Wine's own
# source manager finds, and runs an application session with the source's
# dialog against the emulated scanner on COM1. What it prints and a
# screenshot of the dialog are kept in out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh
for preset in native win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

rig=scripts/wine-rig.sh
emu=""
finish() {
  if [ -n "$emu" ]; then kill -TERM "$emu" 2>/dev/null || true; wait "$emu" 2>/dev/null || true; fi
  "$rig" stop
}
trap finish EXIT
mkdir -p out

"$rig" install win32 build/win32/datasource/twainZ8.ds
link=$("$rig" map-com1)
build/native/tools/emulator/z8emu --link "$link" --flatbed 2 --feeder 1 --idle-timeout 120 >/dev/null &
emu=$!
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done
echo "scanner emulator on $(readlink "$link"), mapped to COM1"

echo
echo "TWAIN sources seen by Wine's twain_32.dll:"
"$rig" run build/win32/tools/z8scan.exe list | tee out/sources.txt

echo
echo "A session with the source's dialog (shown for 5 seconds):"
"$rig" run build/win32/tools/z8scan.exe session --source "VARUR UZ Edazi 1.0" --verbose \
  --hold 5 >out/session.txt &
session=$!
sleep 3
DISPLAY=$(cat build/rig/xvfb.display) import -window root out/scanner_dialog.png || true
wait "$session"
cat out/session.txt

echo
echo "saved in out/: sources.txt, session.txt, scanner_dialog.png"
