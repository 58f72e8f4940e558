#!/usr/bin/env bash
# wine_look.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS
# The look of the source's windows under Wine, through z8scan's dialog
# driver against the emulator on COM1: the progress window shown while the
# scanner warms up has its background picture, its caption-coloured text
# line and a stop button that cycles through its four frames; in the image
# parameters dialog every slider, toggle and the filter change the sample's
# pixels at once, Cancel puts the values back and OK keeps them, and outside
# colour the colour sliders are hidden; the scanning dialog has its
# background, rulers, lit, pressed and disabled icon buttons and the chosen
# mode's picture, its About box the source's icon, and its stop button
# animates during a scan. Screenshots go to ARTEFACTS.
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6

source "$(dirname "$0")/wine_test_env.sh"
mkdir -p "$artefacts"

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

# The image parameters dialog over the sample picture (no preview yet). The
# points are in the sample box: a black step of the grey ramp (6, 160), a
# mid grey step (90, 160), the sky left of the sun's place (120, 40) and the
# fine stripes (30, 220).
start_emulator --flatbed 2 --feeder 0
out=$(scripted parameters --ui <<EOF
wait-window scanning
click 1031
press 1011
wait-window parameters
expect-text window "Paramètres de couleurs de l'image"
wait-pixel 1060 90 160 #888888 10
screenshot window Z:$artefacts/image_parameters_$arch.png
slide 1013 100
wait-pixel 1060 6 160 #FFFFFF 30
expect-text 1079 100
slide 1013 0
wait-pixel 1060 6 160 #000000 30
slide 1010 3
wait-pixel 1060 90 160 #A2A2A2 20
slide 1010 0
wait-pixel 1060 90 160 #888888 10
slide 1011 100
wait-pixel 1060 90 160 #FF8888 20
slide 1014 100
wait-pixel 1060 90 160 #FFFF88 20
slide 1015 100
wait-pixel 1060 90 160 #FFFFFF 20
slide 1011 0
slide 1014 0
slide 1015 0
wait-pixel 1060 90 160 #888888 10
click 1036
wait-pixel 1060 6 160 #FFFFFF 30
click 1036
wait-pixel 1060 6 160 #000000 30
click 1034
wait-pixel 1060 120 40 #FFD640 30
click 1034
click 1035
wait-pixel 1060 120 40 #0000FF 30
click 1035
select 1017 "Plus Net"
wait-pixel 1060 30 220 #323232 20
screenshot window Z:$artefacts/image_parameters_changed_$arch.png
# Cancel: everything as it was.
slide 1011 60
click 1036
click 2
wait-window scanning
press 1011
wait-window parameters
expect-text 1075 0
expect-text 1079 0
expect-text 1017 Aucun
wait-pixel 1060 6 160 #000000 30
# OK keeps the values.
slide 1011 60
slide 1010 -2
click 1
wait-window scanning
press 1011
wait-window parameters
expect-text 1075 60
expect-text 1078 -2
click 2
wait-window scanning
# Outside colour the colour sliders go and the contrast moves up.
click 1030
press 1011
wait-window parameters
expect-hidden 1011
expect-hidden 1075
expect-visible 1010
screenshot window Z:$artefacts/image_parameters_grey_$arch.png
click 2
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the image parameters dialog"
stop_emulator

# The scanning dialog's look (a flatbed without feeder): the background
# picture, the rulers beside the pane, an icon button lit under the mouse,
# shifted while pressed and back at rest when the press is dragged off, the
# disabled feeder button's grey picture, the chosen mode's picture, the About
# box's icon.
start_emulator --flatbed 2 --feeder 0
out=$(scripted scanning_look --ui <<EOF
wait-window scanning
wait-pixel window 4 440 #D2DAE5 10
wait-pixel window 300 7 #F7F3DE 15
wait-pixel window 234 200 #F9F4E1 15
# The magnifier's ring on the preview button: the scanning blue at rest.
expect-pixel 1001 47 16 #2F6FD0 12
hover 1001
wait-pixel 1001 47 16 #78A1E0 12
button-down 1001
wait-pixel 1001 48 17 #78A1E0 12
drag 1001 30 18 -20 -20
wait-pixel 1001 47 16 #2F6FD0 12
expect-enabled 1001
# No feeder: its button is disabled and grey where the arrow is blue.
expect-disabled 1032
expect-pixel 1032 59 14 #B4B4B4 16
# The chosen mode's pill is tinted blue, the others white.
click 1030
wait-pixel 1030 10 8 #AEC8EF 30
wait-pixel 1031 10 8 #F4F5F7 14
screenshot window Z:$artefacts/scanning_dialog_look_$arch.png
# The About box, from the system menu, shows the source's icon.
system-command window 16
wait-window about
expect-text window "A propos du scanner"
expect-pixel window 30 30 #5187D8 12
screenshot window Z:$artefacts/about_box_$arch.png
click 1
wait-gone about
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the scanning dialog's look"
stop_emulator

# During a scan the scanning dialog's stop button (74 x 42 pixels, its icon
# 6, 5 pixels in) cycles through its four frames; stopped, the dialog comes
# back.
start_emulator --flatbed 2 --feeder 0 --bytes-per-second 100000
out=$(scripted scanning_stop --ui <<EOF
wait-window scanning
press 1
wait-visible 3 within 30
expect-size 3 74 42
wait-pixel 3 39 35 #D23A2F 40 within 3
wait-pixel 3 28 31 #D23A2F 40 within 3
wait-pixel 3 26 12 #D23A2F 40 within 3
wait-pixel 3 51 18 #D23A2F 40 within 3
screenshot window Z:$artefacts/scanning_dialog_scanning_$arch.png
click 3 within 60
wait-visible 1 within 30
wait-event MSG_XFERREADY within 30
EOF
)
printf '%s\n' "$out"
grep -q '^FAIL' <<<"$out" && fail "the stop button's animation"
stop_emulator
exit $status
