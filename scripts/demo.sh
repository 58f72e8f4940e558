#!/usr/bin/env bash
# The demo: installs what is missing, builds the product for Windows and the
# scanner emulator, then under Wine: lists the TWAIN sources that Wine's own
# source manager finds, scans a page without the source's dialog (the
# application hears MSG_XFERREADY), and runs a session with the dialog
# against the emulated scanner on COM1: a preview and a frame dragged on it,
# then the same dialog in English with the English resource library in the
# Windows directory. What it prints and screenshots are kept in out/. On a
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
windows=${Z8_RIG_DIR:-build/rig}/prefix/drive_c/windows
finish() {
  if [ -n "$emu" ]; then kill -TERM "$emu" 2>/dev/null || true; wait "$emu" 2>/dev/null || true; fi
  # The tests share the prefix and expect the French source.
  rm -f "$windows/twainZ8.dll"
  "$rig" stop
}
trap finish EXIT
mkdir -p out
z8scan=build/$arch/tools/z8scan.exe

"$rig" install "$arch" "build/$arch/datasource/twainZ8.ds"
link=$("$rig" map-com1)
# A line of 1 MB/s: fast, yet slow enough for the progress window to be seen.
build/native/tools/emulator/z8emu --link "$link" --flatbed 2 --feeder 1 --idle-timeout 120 \
  --bytes-per-second 1000000 --transcript out/scanner.txt >/dev/null &
emu=$!
for _ in $(seq 100); do [ -L "$link" ] && break; sleep 0.05; done
echo "scanner emulator on $(readlink "$link"), mapped to COM1 ($arch build)"

echo
echo "TWAIN sources seen by Wine's source manager:"
"$rig" run "$z8scan" list | tee out/sources.txt

echo
echo "A scan without the source's dialog: it runs inside MSG_ENABLEDS while the"
echo "progress window shows the transfer, then the application hears MSG_XFERREADY:"
cat >out/progress_steps.txt <<EOF
wait-window progress within 30
wait-text-contains 1084 "Transfert" within 30
screenshot window Z:$root/out/progress_window.png
wait-event MSG_XFERREADY within 60
EOF
"$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose --no-ui \
  --script "Z:$root/out/progress_steps.txt" | tee out/scan.txt
grep -qxF 'event: MSG_XFERREADY' out/scan.txt

echo
echo "A session with the source's dialog, worked by z8scan's dialog driver: a"
echo "preview, a frame dragged on it, then the image parameters dialog (steps in"
echo "out/dialog_steps.txt):"
cat >out/dialog_steps.txt <<EOF
wait-window scanning
click 1001
wait-enabled 1001 within 60
drag 1042 40 60 200 300
screenshot window Z:$root/out/scanner_dialog.png
click 1011
wait-window parameters
screenshot window Z:$root/out/image_parameters.png
click 2
EOF
"$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose \
  --script "Z:$root/out/dialog_steps.txt" >out/session.txt
cat out/session.txt

# The English resource library where the source's search by name finds it,
# the Windows directory: the same dialog speaks English.
echo
echo "The same dialog with the English resource library twainZ8.dll in the Windows directory:"
cp "build/$arch/resources/twainZ8.dll" "$windows/twainZ8.dll"
cat >out/english_steps.txt <<EOF
wait-window scanning
wait-text 1050 "Resolution"
click 1001
wait-enabled 1001 within 60
drag 1042 40 60 200 300
screenshot window Z:$root/out/scanner_dialog_english.png
EOF
"$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose \
  --script "Z:$root/out/english_steps.txt" >out/session_english.txt
rm -f "$windows/twainZ8.dll"
cat out/session_english.txt

# A real page on disk: scanned and transferred through the source manager by
# z8scan acquire, in memory strips, and written as a BMP file.
echo
echo "A whole A4 page in colour at 100 dpi fetched in memory strips by z8scan acquire:"
rm -f out/page-*.bmp
"$rig" run "$z8scan" acquire --source "VARUR UZ Edazi 1.0" --flatbed --pixel-type rgb \
  --dpi 100 --frame 0,0,8.27,11.7 --memory --out out | tee out/acquire.txt
[ -s out/page-1.bmp ]
echo "kept as out/page-1.bmp, its line in out/acquire.txt"

echo
echo "saved in out/: sources.txt, scan.txt, session.txt, session_english.txt,"
echo "acquire.txt, scanner.txt (the serial exchanges), the driver's steps, page-1.bmp"
echo "and the screenshots progress_window.png, scanner_dialog.png,"
echo "image_parameters.png, scanner_dialog_english.png"
