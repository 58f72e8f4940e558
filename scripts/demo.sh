#!/usr/bin/env bash
# The demo: installs what is missing, builds the product for Windows, starts
# the Wine rig and shows the TWAIN sources that Wine's own source manager
# finds, ours among them. What it prints is kept in out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32

trap 'scripts/wine-rig.sh stop' EXIT
scripts/wine-rig.sh install win32 build/win32/datasource/twainZ8.ds
mkdir -p out
echo
echo "TWAIN sources seen by Wine's twain_32.dll:"
scripts/wine-rig.sh run build/win32/tools/z8scan.exe list | tee out/sources.txt
echo
echo "saved in out/sources.txt"
