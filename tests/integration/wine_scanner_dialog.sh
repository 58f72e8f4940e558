#!/usr/bin/env bash
# wine_scanner_dialog.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU ARTEFACTS FIXTURES MODE
# The scanning dialog worked as a user works it, through z8scan's dialog
# driver, against the emulator on COM1 (a flatbed that previews in colour, a
# feeder that previews in grey). Every session starts from the settings file
# FIXTURES/dialog_profiles.ini (the default profile at 150 dpi in colour, a
# profile Photo). Screenshots are kept in ARTEFACTS.
#   controls  the initial state of every control; switching source, pixel
#             type, ruler unit and resolution; the size guard's message
#   preview   the emulator's page painted into the pane; frames dragged,
#             moved, resized and dropped; the next scan's parameter block;
#             Scan ending in MSG_XFERREADY
#   profiles  profiles chosen, created, stored, refused and deleted, and the
#             file's bytes afterwards
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 artefacts=$6 fixtures=$7 mode=$8

source "$(dirname "$0")/wine_test_env.sh"
mkdir -p "$artefacts"

ini=$(dirname "$link")/prefix/drive_c/windows/ViruvoVozav.ini
cp "$fixtures/dialog_profiles.ini" "$ini"

start_emulator --flatbed 2 --feeder 1 --transcript "$work/transcript.txt"

# run_script FILE: the session with the script; every step must be ok.
run_script() {
  local out rc steps
  set +e
  out=$("$rig" run "$z8scan" session --source "VARUR UZ Edazi 1.0" --verbose --script "Z:$1")
  rc=$?
  set -e
  printf '%s\n' "$out"
  [ "$rc" -eq 0 ] || fail "the script's session exited $rc"
  steps=$(grep -cv '^\(#.*\)\?$' "$1")
  [ "$(grep -c '^ok ' <<<"$out")" -eq "$steps" ] || fail "not every one of the $steps steps is ok"
}

# The default profile: A4 (8.27 x 11.7 in) at 150 dpi is 1240 x 1754 pixels.
case $mode in
  controls)
    cat >"$work/script.txt" <<EOF
wait-window scanning
expect-text window "VARUR UZ Edazi 1.0"
expect-text 1050 "Résolution"
expect-text 1062 "Profil"
expect-text 1061 "Image"
expect-text 1056 "Hauteur: 11.69 in"
expect-text 1057 "Largeur: 8.27 in"
expect-text 1055 "Taille du fichier: 6371 ko"
# Both sources are there; the flatbed, chosen, previews in colour.
expect-enabled 1032
expect-enabled 1033
expect-enabled 1011
expect-enabled 1029
expect-enabled 1030
expect-enabled 1031
expect-visible 1031
expect-enabled 1001
expect-enabled 1
expect-enabled 1014
expect-entries 1076 80 100 150 200 300 400 600 1200 2400
expect-text 1076 150
expect-entries 1058 Ecran/Internet Imprimante "Fax noir et blanc" OCR "Par défaut" Photo
expect-text 1058 "Par défaut"
# A stored profile is chosen: it can be stored again or deleted.
expect-enabled 1020
expect-enabled 1018
expect-enabled 1019
# Only while scanning: the stop button and the bar; Cancel is Esc. The
# status line is empty.
expect-hidden 3
expect-text 1064 " "
expect-hidden 1000
expect-hidden 2
expect-hidden 1059
expect-hidden 1060
# The wide window (550 x 495 pixels with its frame) and the white pane.
expect-size window 544 470
expect-visible 1042
expect-size 1042 283 436
expect-pixel 1042 100 100 #FFFFFF
screenshot window "Z:$artefacts/dialog_initial_$arch.png"

# The feeder: the narrow window without the pane, no preview, no 1200 or
# 2400 dpi, and no colour button (its previews are grey).
click 1032
expect-size window 229 470
expect-disabled 1001
expect-entries 1076 80 100 150 200 300 400 600
expect-text 1076 150
expect-hidden 1031
expect-enabled 1029
expect-enabled 1030
# Black and white: a bit a pixel, 155 bytes a line.
click 1029
expect-text 1055 "Taille du fichier: 265 ko"
# Centimetres and back to inches.
click 1014
expect-text 1056 "Hauteur: 29.70 cm"
expect-text 1057 "Largeur: 21.00 cm"
click 1014
expect-text 1056 "Hauteur: 11.69 in"
screenshot window "Z:$artefacts/dialog_feeder_$arch.png"

# Back to the flatbed: the wide window, the whole list, colour again.
click 1033
expect-size window 544 470
expect-enabled 1001
expect-visible 1031
expect-entries 1076 80 100 150 200 300 400 600 1200 2400
# 300 dpi: 2481 x 3509 pixels.
select 1076 300
expect-text 1056 "Hauteur: 11.70 in"
expect-text 1055 "Taille du fichier: 1062 ko"
click 1030
expect-text 1055 "Taille du fichier: 8501 ko"
# Typed text in the resolution list picks its second entry, which applies.
type 1076 7
wait-text 1076 100
expect-text 1055 "Taille du fichier: 944 ko"

# The size guard: A4 in colour at 2400 dpi would be 1.6 GB. The resolution
# goes back to 80 dpi and the labels show that size.
click 1031
select 1076 2400
expect-message "L'image que vous voulez numériser est trop grande, diminuez la résolution ou la taille de la zone de numérisation.."
expect-text 1076 80
expect-text 1055 "Taille du fichier: 1810 ko"
screenshot window "Z:$artefacts/dialog_guarded_$arch.png"
EOF
    run_script "$work/script.txt"
    ;;
  preview)
    # The preview is the whole page at 80 dpi (661 x 935 pixels) in colour:
    # red is the hundredths of an inch across, green down, blue their sum
    # (modulo 256), averaged down to the pane's 283 x 436 pixels.
    cat >"$work/script.txt" <<EOF
wait-window scanning
# Before a preview the pane takes no selection.
drag 1042 40 60 200 300
expect-text 1055 "Taille du fichier: 6371 ko"
click 1001
wait-enabled 1001 within 60
expect-pixel 1042 40 60 #75A116 4
expect-pixel 1042 150 200 #B618CF 4
expect-pixel 1042 250 400 #DB300B 4
screenshot window "Z:$artefacts/dialog_preview_$arch.png"
# The pane shows the preview in the chosen mode.
click 1030
wait-pixel 1042 40 60 #858585 4
click 1031
wait-pixel 1042 40 60 #75A116 4
# A frame dragged up and to the left: 4.69 x 6.44 in at 150 dpi.
drag 1042 200 300 40 60
expect-text 1056 "Hauteur: 6.44 in"
expect-text 1057 "Largeur: 4.69 in"
expect-text 1055 "Taille du fichier: 1989 ko"
# The frame: a dotted line with black handles inside its corners.
expect-pixel 1042 41 61 #000000
expect-pixel 1042 198 298 #000000
screenshot window "Z:$artefacts/dialog_selection_$arch.png"
# A band of 5 pixels drops it: the whole sheet (a pixel less across, for
# its way through inches).
drag 1042 250 400 255 420
expect-text 1056 "Hauteur: 11.69 in"
expect-text 1055 "Taille du fichier: 6366 ko"
# Dragged beyond the pane, a frame is clipped one pixel inside it:
# (100, 100)-(282, 435).
drag 1042 100 100 400 600
expect-text 1056 "Hauteur: 8.98 in"
expect-text 1057 "Largeur: 5.31 in"
# A new frame, moved by its inside by (30, 20), then resized by its
# bottom-right handle by (32, 82): (70, 80)-(262, 402).
drag 1042 40 60 200 300
drag 1042 100 150 130 170
expect-text 1056 "Hauteur: 6.45 in"
expect-text 1057 "Largeur: 4.67 in"
drag 1042 228 318 260 400
expect-text 1056 "Hauteur: 8.65 in"
expect-text 1057 "Largeur: 5.61 in"
screenshot window "Z:$artefacts/dialog_moved_$arch.png"
click 1
wait-event MSG_XFERREADY within 60
EOF
    run_script "$work/script.txt"
    # The final scan's parameter block carries that frame at 150 dpi:
    # 150 x (69 x 8.27 / 283), 150 x (79 x 11.7 / 436), ... truncated (a
    # pixel less for the right and bottom edges, for their way through inches).
    grep '# parameters' "$work/transcript.txt"
    last=$(grep '# parameters' "$work/transcript.txt" | tail -1)
    grep -q '# parameters mode 3 150x150 dpi, left 302 right 1143 top 316 bottom 1613$' <<<"$last" ||
      fail "the scan's parameter block does not carry the frame: $last"
    ;;
  profiles)
    long=$(printf 'Profil%.0s' $(seq 12))
    cat >"$work/script.txt" <<EOF
wait-window scanning
expect-text 1058 "Par défaut"
expect-text 1076 150
# Choosing a stored profile applies that profile (grey at 300 dpi), not the
# profile stored last.
select 1058 Photo
expect-text 1076 300
expect-text 1055 "Taille du fichier: 8501 ko"
expect-enabled 1018
expect-enabled 1019
# A preset changes the resolution alone; it cannot be stored or deleted.
select 1058 Imprimante
expect-text 1076 300
expect-disabled 1018
expect-disabled 1019
select 1058 "Par défaut"
expect-text 1076 150
expect-text 1055 "Taille du fichier: 6371 ko"
# A new profile from the current settings: its entry in lower case.
type 1058 Nuit
click 1020
expect-entries 1058 Ecran/Internet Imprimante "Fax noir et blanc" OCR "Par défaut" Photo nuit
expect-text 1058 nuit
expect-enabled 1019
# A new profile of a name the list has: nothing written, another name asked.
type 1058 PHOTO
click 1020
expect-text 1058 Profil
# Storing under a name the list has selects that entry, not the first that
# begins like it.
select 1076 600
type 1058 photo
click 1018
expect-text 1058 Photo
# Names that cannot be profiles are refused with a message.
type 1058 preselections
click 1018
expect-message "Ce nom ne peut pas désigner un profil enregistré."
type 1058 Job_Default
click 1020
expect-message "Ce nom ne peut pas désigner un profil enregistré."
type 1058 ocr
click 1019
expect-message "Ce nom ne peut pas désigner un profil enregistré."
# A typed name stops at 64 characters.
type 1058 "${long}"
wait-text 1058 "${long:0:64}"
# Deleting removes the typed name's entry and selects the first preset.
select 1058 Photo
type 1058 NUIT
click 1019
expect-entries 1058 Ecran/Internet Imprimante "Fax noir et blanc" OCR "Par défaut" Photo
expect-text 1058 Ecran/Internet
expect-disabled 1018
expect-disabled 1019
screenshot window "Z:$artefacts/dialog_profiles_$arch.png"
EOF
    run_script "$work/script.txt"
    # [Nuit] gone, [Photo] colour at 600 dpi, stored last; the default
    # profile untouched.
    if ! cmp -s "$ini" "$fixtures/dialog_profiles_after.ini"; then
      fail "the settings file differs from dialog_profiles_after.ini"
      diff <(od -c "$fixtures/dialog_profiles_after.ini") <(od -c "$ini") | head -40 || true
    fi
    ;;
  *)
    echo "unknown mode $mode"
    exit 2
    ;;
esac
exit $status
