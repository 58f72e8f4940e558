#!/usr/bin/env bash
# installer_contents.sh SEVENZIP SETUP.exe PAYLOAD WIN32_TREE WIN64_TREE
# The installer holds every file of its list PAYLOAD, in the folder the list
# gives, byte for byte as the build made it (an installer left over from an
# older build fails), and nothing else but its plug-ins and the uninstaller.
set -euo pipefail
sevenzip=$1 setup=$2 payload=$3 win32=$4 win64=$5

[ -f "$setup" ] || { echo "FAIL: no installer at $setup (cmake --build --preset installer)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$sevenzip" x -y -o"$work" "$setup" >/dev/null

status=0
fail() { echo "FAIL: $*"; status=1; }
expected=("Uninstall.exe")
while read -r when build file folder; do
  case $when in '' | '#'*) continue ;; esac
  case $build in
    win32) from=$win32/$file ;;
    win64) from=$win64/$file ;;
    *) from=$(dirname "$payload")/$file ;;
  esac
  # 7-Zip shows $INSTDIR as the archive's root.
  dir=${folder//\\//}
  dir=${dir#\$INSTDIR}
  inside=${dir#/}${dir:+/}$(basename "$file")
  inside=${inside#/}
  expected+=("$inside")
  if [ ! -f "$work/$inside" ]; then
    fail "$inside ($when) is not in the installer"
  elif ! cmp -s "$from" "$work/$inside"; then
    fail "$inside differs from $from"
  fi
done <"$payload"

while IFS= read -r found; do
  found=${found#./}
  case $found in \$PLUGINSDIR/*) continue ;; esac
  printf '%s\n' "${expected[@]}" | grep -qxF -- "$found" || fail "$found is not in the list"
done < <(cd "$work" && find . -type f | sort)
[ "$status" -eq 0 ] && echo "ok: ${#expected[@]} files"
exit $status
