#!/usr/bin/env bash
# lay_out_install.sh PAYLOAD WIN32_TREE WIN64_TREE SOURCE_DIR DRIVE_C LANG
# Puts the files of the installer's list PAYLOAD where the installer puts them
# on a 64-bit Windows whose system drive is DRIVE_C (the Windows directory
# DRIVE_C/windows, the launcher's folder DRIVE_C/QXLauncher), with the
# language LANG (EN or FR): for machines that cannot run the 32-bit installer.
# The build trees and SOURCE_DIR (the list's own folder) hold the files.
# Exits 3 when a file of the list has not been built.
set -euo pipefail
payload=$1 win32=$2 win64=$3 sources=$4 drive_c=$5 lang=$6

while read -r when build file folder; do
  case $when in '' | '#'*) continue ;; esac
  case $build in
    win32) from=$win32/$file ;;
    win64) from=$win64/$file ;;
    *) from=$sources/$file ;;
  esac
  [ -f "$from" ] || { echo "not built: $from"; exit 3; }
  dir=${folder//\\//}
  dir=${dir/\$WINDIR/$drive_c/windows}
  dir=${dir/\$INSTDIR/$drive_c/QXLauncher}
  to=$dir/$(basename "$file")
  if [ "$when" = english ] && [ "$lang" != EN ]; then
    rm -f "$to"
    continue
  fi
  [ "$when" = keep ] && [ -f "$to" ] && continue
  mkdir -p "$dir"
  cp "$from" "$to"
done <"$payload"
