#!/usr/bin/env bash
# wine_launcher.sh RIG QXLauncher.exe launcher_child.exe
# QXLauncher in C:\z8launch with its QXLauncher.INI starts the child by the
# user's language, waits for it, and keeps Launcher.htm in the Windows
# directory: French reads Execute_FRA, Portuguese falls back to Execute_ENU
# with a warning, a missing key starts nothing, a value without a leading
# separator cannot start, and a second launcher running beside the first
# works without the log.
set -euo pipefail
rig=$1 launcher=$2 child=$3
"$rig" can-run "$launcher" || exit $?

root=$(cd "$(dirname "$0")/../.." && pwd)
drive_c=${Z8_RIG_DIR:-$root/build/rig}/prefix/drive_c
"$rig" prefix
folder=$drive_c/z8launch
log=$drive_c/windows/Launcher.htm
rm -rf "$folder"
# A log that another program left: the first run empties it and starts afresh.
printf 'not a log of ours, and longer than the closing lines\r\n</body>\r\n' >"$log"
mkdir -p "$folder/child"
cp "$launcher" "$folder/QXLauncher.exe"
cp "$child" "$folder/child/launcher_child.exe"

status=0
fail() {
  echo "FAIL: $*"
  status=1
}

settings() {
  # The file as a Windows editor writes it.
  printf '%s\r\n' '[LAUNCHER]' "$@" >"$folder/QXLauncher.INI"
}

# Runs the launcher under a locale, from C:\ (the launcher changes to its
# folder on the current drive).
launch() {
  local locale=$1
  (cd "$drive_c" && LC_ALL=$locale "$rig" run 'C:\z8launch\QXLauncher.exe')
}

expect_marker() {
  local file=$folder/$1
  shift
  if [ ! -f "$file" ]; then
    fail "$1 was not started"
    return
  fi
  local expected
  expected=$(printf '%s\n' "$@")
  # The child writes in text mode: CR LF line ends.
  if [ "$(tr -d '\r' <"$file")" != "$expected" ]; then
    fail "$file holds:"
    cat "$file"
  fi
}

child_line='\child\launcher_child.exe'

# French: Execute_FRA; the child's last line proves the launcher waited.
settings "Execute_FRA=$child_line C:\\z8launch\\fra.txt 7 1000" \
         "Execute_ENU=$child_line C:\\z8launch\\enu.txt 3 0"
launch fr_FR.UTF-8 || fail "exit code $? in French"
expect_marker fra.txt 'cwd=C:\z8launch' 'arg1=C:\z8launch\fra.txt' arg2=7 arg3=1000 done
[ ! -e "$folder/enu.txt" ] || fail "French started the English command"

# Portuguese is not in the table: English with a warning.
launch pt_BR.UTF-8 || fail "exit code $? in Portuguese"
expect_marker enu.txt 'cwd=C:\z8launch' 'arg1=C:\z8launch\enu.txt' arg2=3 arg3=0 done

# No Execute_FRA, and an empty Execute_ENU: nothing starts.
rm -f "$folder"/*.txt
settings "Execute_ENU="
launch fr_FR.UTF-8 || fail "exit code $? without the key"
[ -z "$(ls "$folder"/*.txt 2>/dev/null)" ] || fail "a program started without its key"

# A value without a leading separator is glued to the folder name.
settings "Execute_FRA=child\\launcher_child.exe C:\\z8launch\\glued.txt 0 0"
launch fr_FR.UTF-8 || fail "exit code $? with a glued value"
[ ! -e "$folder/glued.txt" ] || fail "the glued command line started"

# Two launchers at once: the first holds the log, the second runs without it.
settings "Execute_FRA=$child_line C:\\z8launch\\first.txt 0 8000" \
         "Execute_ENU=$child_line C:\\z8launch\\second.txt 0 0"
launch fr_FR.UTF-8 &
first=$!
for _ in $(seq 300); do
  [ -s "$folder/first.txt" ] && break
  sleep 0.1
done
launch pt_BR.UTF-8 || fail "exit code $? of the second launcher"
expect_marker second.txt 'cwd=C:\z8launch' 'arg1=C:\z8launch\second.txt' arg2=0 arg3=0 done
grep -qx done "$folder/first.txt" && fail "the first child ended before the second launcher did"
wait "$first" || fail "exit code $? of the first launcher"
expect_marker first.txt 'cwd=C:\z8launch' 'arg1=C:\z8launch\first.txt' arg2=0 arg3=8000 done

# The log: CR LF line ends, one pair of closing lines, times masked.
time='<b><font face="Courier New, Courier, mono">HH:MM:SS:mmmms</FONT></b> : '
new_log='<font face="Courier New, Courier, mono" color="#FF0000">=================== NEW LOG =======================</FONT><br>'
french=("${time}Detected language code is 040c, Primary Language = 12<br>"
        "${time}<b><font color=\"#3300FF\"> Regional settings : FRENCH detected</FONT></b><br>")
started="${time}QXLauncher started...<br>"
run() { printf '%s\n' "${time}CreateProcess( C:\\z8launch$1 )<br>"; }
expected=$(
  printf '%s\n' '<html>' '<head>' '<TITLE>C:\windows\Launcher.htm</TITLE>' '</head>' '<body>' \
    '<font face="Courier New, Courier, mono" color="#3300FF">====================== C:\windows\Launcher.htm ======================</FONT><br>'
  printf '%s\n' "$started" "${french[@]}"
  run "$child_line C:\\z8launch\\fra.txt 7 1000"
  printf '%s\n' "${time}Leaving<br>" "$new_log" "$started" \
    "${time}Detected language code is 0416, Primary Language = 22<br>" \
    "${time}<font face=\"Courier New, Courier, mono\" color=\"#009933\">>> WARNING << </FONT> GetRegionalSettings() : Could not find language... returning English as default.<br>"
  run "$child_line C:\\z8launch\\enu.txt 3 0"
  printf '%s\n' "${time}Leaving<br>" "$new_log" "$started" "${french[@]}" \
    "${time}<b><font face=\"Courier New, Courier, mono\" color=\"#FF0000\">>> ERROR << </FONT></b>Failed to read section LAUNCHER in file QXLauncher.INI<br>" \
    "$new_log" "$started" "${french[@]}"
  run "child\\launcher_child.exe C:\\z8launch\\glued.txt 0 0"
  printf '%s\n' "${time}CreateProcess() failed<br>" "$new_log" "$started" "${french[@]}"
  run "$child_line C:\\z8launch\\first.txt 0 8000"
  printf '%s\n' "${time}Leaving<br>" '</body>' '</html>'
)
actual=$(sed -E 's/[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}ms/HH:MM:SS:mmmms/g' "$log" | od -An -c | tr -s ' \n' ' ')
wanted=$(printf '%s\n' "$expected" | sed 's/$/\r/' | od -An -c | tr -s ' \n' ' ')
if [ "$actual" != "$wanted" ]; then
  fail "Launcher.htm differs from the expected lines (< expected, > actual):"
  diff <(printf '%s\n' "$expected" | sed 's/$/\r/' | cat -A) \
       <(sed -E 's/[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3}ms/HH:MM:SS:mmmms/g' "$log" | cat -A) || true
fi

[ $status -eq 0 ] && echo "ok: QXLauncher under Wine"
exit $status
