#!/usr/bin/env bash
# wine_installer.sh RIG SETUP.exe PAYLOAD Z8SCAN.exe OTHER_Z8SCAN.exe Z8EMU
# The installer in a fresh prefix of its own: silent installs with a port and
# English, a second run that upgrades in place (one uninstall entry, the new
# port, the language kept), a bad command line refused with exit code 2 and
# nothing changed; Wine's manager lists the 32- and the 64-bit source with the
# English identity (each through the z8scan of its width, where it can run), a
# session of Z8SCAN opens the source against the emulator on the chosen port,
# and the uninstaller leaves no file or key of ours but keeps the profiles
# file. A 32-bit installer is skipped (77) where 32-bit programs cannot run.
set -euo pipefail
rig=$1 setup=$2 payload=$3 z8scan=$4 other_z8scan=$5 emulator=$6

"$rig" can-run "$setup" || exit $?
[ -x "$emulator" ] || { echo "FAIL: no emulator at $emulator"; exit 1; }
work=$(mktemp -d)
export Z8_RIG_DIR=$work/rig
trap '"$rig" stop; rm -rf "$work"' EXIT
"$rig" prefix
drive_c=$Z8_RIG_DIR/prefix/drive_c
windows=$drive_c/windows
port_key='HKLM\System\CurrentControlSet\Services\QXXNT\Parameters'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\twainZ8'

status=0
fail() { echo "FAIL: $*"; status=1; }
# Empty for a missing key (Wine's reg reports it on stdout).
reg_query() {
  local out
  out=$("$rig" run reg query "$@" /reg:64 2>/dev/null) || return 0
  tr -d '\r' <<<"$out"
}
port_value() { reg_query "$port_key" /v 2 | awk '$1 == "2" { print $3 }'; }
install() {
  local rc=0
  cp "$setup" "$work/setup.exe"
  "$rig" run "$work/setup.exe" "$@" >/dev/null 2>&1 || rc=$?
  echo "$rc"
}

[ "$(install /S /PORT=3 /LANG=EN)" -eq 0 ] || fail "the first install failed"
[ "$(port_value)" = 0x3 ] || fail "the port value is '$(port_value)', not 0x3"
[ "$(install /S /PORT=1)" -eq 0 ] || fail "the upgrade failed"
[ "$(port_value)" = 0x1 ] || fail "the upgrade left the port at '$(port_value)'"
[ "$(install /S /PORT=12)" -eq 2 ] || fail "/PORT=12 was not refused with exit code 2"
[ "$(install /S /LANG=DE)" -eq 2 ] || fail "/LANG=DE was not refused with exit code 2"
[ "$(port_value)" = 0x1 ] || fail "a refused run changed the port"
entries=$(reg_query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
  grep -c 'DisplayName.*VARUR UZ Edazi' || true)
[ "$entries" -eq 1 ] || fail "$entries uninstall entries, not one"
instdir=$(reg_query "$uninstall_key" /v InstallLocation | sed -n 's/.*REG_SZ *//p')
[ -n "$instdir" ] || fail "no InstallLocation in the uninstall entry"
instdir=$drive_c/${instdir:3}
instdir=${instdir//\\//}

# Every file of the list, in a 64-bit prefix with English chosen (the earlier
# run's language kept by the upgrade).
files=()
while read -r when build file folder; do
  case $when in '' | '#'*) continue ;; esac
  dir=${folder//\\//}
  dir=${dir/\$WINDIR/$windows}
  dir=${dir/\$INSTDIR/$instdir}
  files+=("$dir/$(basename "$file")")
done <"$payload"
for f in "${files[@]}" "$instdir/Uninstall.exe"; do
  [ -f "$f" ] || fail "not installed: $f"
done

# Wine's manager discovers only sane.ds: the installed sources under that name.
cp "$windows/twain_32/z8twain/twainZ8.ds" "$windows/twain_32/sane.ds"
cp "$windows/twain_64/z8twain/twainZ8.ds" "$windows/twain_64/sane.ds"
for program in "$z8scan" "$other_z8scan"; do
  "$rig" can-run "$program" >/dev/null 2>&1 || continue
  "$rig" run "$program" list | grep -qxF "  VersionInfo: February 2003" ||
    fail "$program: no English identity listed"
done

# The emulator on COM1, the port the upgrade chose.
source "$(dirname "$0")/emulator_env.sh"
start_emulator --flatbed 2 --feeder 1
printf '%s\n' 'wait-window scanning' 'wait-text 1050 "Resolution"' >"$work/dialog.txt"
"$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --script "Z:$work/dialog.txt" |
  grep -c '^ok ' | grep -qx 2 || fail "the session with the installed source failed"
stop_emulator

# The uninstaller copies itself away and returns at once: wait for its entry
# to go, 60 s at most.
rm -f "$windows/twain_32/sane.ds" "$windows/twain_64/sane.ds"
printf '[Photo]\nXRESOLUTION=300\n' >"$windows/ViruvoVozav.ini"
"$rig" run "$instdir/Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
deadline=$((SECONDS + 60))
while [ -n "$(reg_query "$uninstall_key")" ] && [ "$SECONDS" -lt "$deadline" ]; do
  sleep 1
done
[ -z "$(reg_query "$uninstall_key")" ] || fail "the uninstall entry stayed"
for f in "${files[@]}" "$instdir/Uninstall.exe"; do
  [ ! -e "$f" ] || fail "left behind: $f"
done
for d in "$instdir" "$windows/twain_32/z8twain" "$windows/twain_64/z8twain"; do
  [ ! -d "$d" ] || fail "folder left behind: $d"
done
[ -z "$(port_value)" ] || fail "the port value stayed"
[ -f "$windows/ViruvoVozav.ini" ] || fail "the profiles file was removed"
exit $status
