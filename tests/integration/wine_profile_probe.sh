#!/usr/bin/env bash
# wine_profile_probe.sh RIG PROFILE_PROBE.exe FIXTURES MODE
# Runs the probe under Wine and compares its transcript, and the file it left in
# the prefix's Windows directory, byte for byte with the golden files.
#   profiles    ViruvoVozav.ini written from nothing
#   list        the profile list's commands on ViruvoVozav.ini from nothing
#   parsing     a hand-written file read, left alone, then rewritten
#   arithmetic  fixed-point and unit conversions
set -euo pipefail
rig=$1 probe=$2 fixtures=$3 mode=$4
root=$(cd "$(dirname "$rig")/.." && pwd)
windir=${Z8_RIG_DIR:-$root/build/rig}/prefix/drive_c/windows
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$rig" prefix

status=0
same() {  # same GOT WANT
  if ! cmp -s "$1" "$2"; then
    echo "FAIL: $1 differs from $2"
    diff <(od -c "$2") <(od -c "$1") | head -40 || true
    status=1
  fi
}
run() {  # run MODE: the probe's transcript into $work/MODE.txt
  "$rig" run "$probe" "$1" >"$work/$1.txt"
}

case $mode in
  profiles)
    rm -f "$windir/ViruvoVozav.ini"
    run profiles
    same "$work/profiles.txt" "$fixtures/profile_script.txt"
    same "$windir/ViruvoVozav.ini" "$fixtures/ViruvoVozav.ini"
    rm -f "$windir/ViruvoVozav.ini"
    ;;
  list)
    rm -f "$windir/ViruvoVozav.ini"
    run list
    same "$work/list.txt" "$fixtures/profile_list_script.txt"
    same "$windir/ViruvoVozav.ini" "$fixtures/profile_list.ini"
    rm -f "$windir/ViruvoVozav.ini"
    ;;
  parsing)
    cp "$fixtures/profile_parsing.ini" "$windir/z8parsing.ini"
    run parse
    same "$work/parse.txt" "$fixtures/profile_parsing.txt"
    same "$windir/z8parsing.ini" "$fixtures/profile_parsing.ini"
    run rewrite
    same "$work/rewrite.txt" "$fixtures/profile_rewrite.txt"
    same "$windir/z8parsing.ini" "$fixtures/profile_parsing_rewritten.ini"
    rm -f "$windir/z8parsing.ini"
    ;;
  arithmetic)
    run arithmetic
    same "$work/arithmetic.txt" "$fixtures/settings_arithmetic.txt"
    ;;
  *)
    echo "unknown mode $mode"
    exit 2
    ;;
esac
exit $status
