#!/usr/bin/env bash
# wine_look.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS
# The look of the source's windows under Wine, through z8scan's dialog
# driver against the emulator on COM1: the progress window shown while the
# scanner warms up has its background picture, its caption-coloured text
# line and a stop button that cycles through its four frames. Screenshots go
# to ARTEFACTS.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6

[ -x "$emulator" ] || { echo "FAIL: no emulator at $emulator"; exit 1; }
source "$(dirname "$0")/emulator_env.sh"
"$rig" install "$arch" "$source"
mkdir -p "$artefacts"
work=$(mktemp -d)
trap 'stop_emulator; rm -rf "$work"' EXIT

status=0
fail() { echo "FAIL: $*"; status=1; }
session() { "$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose "$@"; }
# A script, then its session; prints both outputs.
scripted() {
  local name=$1
  shift
  cat >"$work/$name.txt"
  session --script "Z:$work/$name.txt" "$@" 2>&1 || true
}

# A scanner warming up for fifteen status requests keeps the progress window
# up about fifteen seconds.
warmup=$(printf 'SCAN_PRECHAUFFAGE,%.0s' $(seq 15))0
start_emulator --flatbed 2 --feeder 0 --status "$warmup"
# The stop button (72 x 44 pixels) shows its 62 x 32 icon 5, 6 pixels in; each
# point below is red in one frame of the stop animation only, in turn.
out=$(scripted progress --ui <<EOF
wait-window scanning
press 1
wait-window progress within 20
# The background picture's lower part, a blue grey: not the system's button face.
wait-pixel window 4 170 #D2DAE5 10
wait-text-contains 1084 "scanner"
expect-size 1086 72 44
wait-pixel 1086 38 36 #D23A2F 40 within 3
wait-pixel 1086 27 32 #D23A2F 40 within 3
wait-pixel 1086 25 13 #D23A2F 40 within 3
wait-pixel 1086 50 19 #D23A2F 40 within 3
wait-pixel 1086 38 36 #D23A2F 40 within 3
screenshot window Z:$artefacts/progress_window_$arch.png
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the progress window's look"
png=$artefacts/progress_window_$arch.png
[ -s "$png" ] || fail "no screenshot of the progress window"
# The text line is drawn in the captions' violet (170, 127, 170).
violet=$(convert "$png" -crop 340x24+10+40 -fuzz 12% -fill black +opaque '#AA7FAA' \
  -fill white -opaque '#AA7FAA' -format '%[fx:int(mean*w*h)]' info: 2>/dev/null || echo 0)
[ "$violet" -gt 20 ] || fail "the text line is not in the captions' colour ($violet pixels)"
stop_emulator
exit $status
