#!/usr/bin/env bash
# wine_files.sh RIG ARCH SOURCE.ds Z8SCAN.exe Z8EMU PAGE_CHECK ARTEFACTS
# File transfers through Wine's twain_32.dll against the scanner emulator on
# COM1, each file opened by independent readers (tiffinfo, tiffdump,
# identify, djpeg, ImageMagick's stream for the pixels of a TIFF) and its
# pixels compared with the emulator's page by PAGE_CHECK:
# - the file the application sets up: BMP and TIFF for every pixel type, to
#   an absolute name and to a name relative to the source's folder, a
#   missing folder, formats without a file;
# - the Save Image dialog of "Lumeto Application", worked by z8scan's dialog
#   driver: a cancel, a name typed without extension with each JPEG quality,
#   compressed TIFF for black and white, a name whose extension is short, the
#   question about a file that exists (no, then yes).
set -euo pipefail
rig=$1 arch=$2 source=$3 z8scan=$4 emulator=$5 check=$6 artefacts=$7

source "$(dirname "$0")/wine_test_env.sh"
[ -x "$check" ] || { echo "FAIL: no page checker at $check"; exit 1; }
mkdir -p "$artefacts"
drive_c=$(dirname "$link")/prefix/drive_c
folder=$drive_c/windows/twain_32/z8twain
trap 'stop_emulator; rm -rf "$work" "$folder"/rel-page.tif*' EXIT
cd "$work"
# The work folder as Windows programs name it.
win=Z:${work//\//\\}

# 200 x 100 pixels from (50, 25) at 100 dpi.
area=(--flatbed --dpi 100 --frame 0.5,0.25,2.5,1.25)
# run ARGS... : z8scan acquire with its output printed and kept in $out;
# false when it fails.
run() {
  echo "-- acquire $*"
  out=$("$rig" run "$z8scan" acquire --source "VARUR UZ Edazi 1.0" --file "${area[@]}" "$@") &&
    rc=0 || rc=$?
  printf '%s\n' "$out"
  return "$rc"
}
# dialog TYPE SCRIPT-LINES... : the same as Lumeto Application, with the
# script's steps worked in the Save Image dialog.
dialog() {
  local type=$1
  shift
  printf '%s\n' "$@" >save.txt
  run --pixel-type "$type" --app-name "Lumeto Application" --script "$win\\save.txt"
}
page_ok() { "$check" "$1" "$2" 50 25 200 100 100 100 || fail "$1 is not the emulator's page ($2)"; }
# tiff_ok FILE KIND COMPRESSION PHOTOMETRIC...: tiffinfo's reading, then the
# pixels as ImageMagick decodes them.
tiff_ok() {
  local file=$1 kind=$2 compression=$3 info
  shift 3
  info=$(tiffinfo "$file" 2>&1) || { fail "tiffinfo cannot read $file"; return; }
  grep -q 'Image Width: 200 Image Length: 100' <<<"$info" || fail "$file: size: $info"
  grep -q 'Resolution: 100, 100 pixels/inch' <<<"$info" || fail "$file: resolution: $info"
  grep -q "Compression Scheme: $compression\$" <<<"$info" || fail "$file: compression: $info"
  local photometric
  photometric=$(grep 'Photometric Interpretation' <<<"$info" || true)
  local found=0
  for p in "$@"; do grep -q "$p" <<<"$photometric" && found=1; done
  [ $found = 1 ] || fail "$file: $photometric"
  tiffdump "$file" >/dev/null || fail "tiffdump cannot read $file"
  stream -map rgb -storage-type char "$file" "$file.rgb" || fail "stream cannot decode $file"
  page_ok "$file.rgb" "$kind"
}
# jpeg_ok FILE QUALITY COLOURSPACE: identify's size, depth and quality, djpeg's
# decoding.
jpeg_ok() {
  local got
  got=$(identify -format '%w %h %z %Q %[colorspace]' "$1" 2>&1) || { fail "identify: $1"; return; }
  [ "$got" = "200 100 8 $2 $3" ] || fail "$1: identify says '$got', expected '200 100 8 $2 $3'"
  djpeg -outfile "$1.ppm" "$1" || { fail "djpeg cannot decode $1"; return; }
  case $(head -c 2 "$1.ppm") in
    P5 | P6) ;;
    *) fail "djpeg made no picture of $1" ;;
  esac
}

start_emulator --flatbed 2 --feeder 1

# The standard path, to absolute names: BMP (whatever the name ends with)
# and TIFF, every pixel type.
for type in bw grey rgb; do
  run --pixel-type "$type" --file-name "$win\\std-$type.tif.bmp" || fail "$type: BMP"
  line=$(grep '^page 1: ' <<<"$out" || true)
  [[ $line == "page 1: 200 x 100, 100 x 100 dpi, TWPT_"*", $win\\std-$type.tif.bmp" ]] ||
    fail "$type: no page line"
  page_ok "std-$type.tif.bmp" "$type"
  [ "$(identify -format '%w %h' "std-$type.tif.bmp")" = "200 100" ] || fail "identify: $type BMP"
  run --pixel-type "$type" --file-name "$win\\std-$type.tif" --file-format tiff ||
    fail "$type: TIFF"
  case $type in
    bw) tiff_ok "std-$type.tif" bw None min-is-white min-is-black ;;
    grey) tiff_ok "std-$type.tif" grey None min-is-black ;;
    rgb) tiff_ok "std-$type.tif" rgb None RGB ;;
  esac
  cp "std-$type.tif" "$artefacts/file_${arch}_$type.tif"
done

# A relative name is the source's folder's.
run --pixel-type grey --file-name rel-page.tif --file-format tiff || fail "a relative name"
tiff_ok "$folder/rel-page.tif" grey None min-is-black
[ ! -e rel-page.tif ] || fail "the relative name was taken in the current folder"
# A missing folder: no file, the page ended as usual, the source usable.
if run --pixel-type grey --file-name 'nowhere\page.bmp'; then fail "a missing folder"; fi
expect "$out" 'DAT 0x0105 MSG_GET -> rc 1 cc 1'
expect "$out" 'page 1: no file, MSG_ENDXFER Count 0'
[ ! -e "$folder/nowhere" ] || fail "the missing folder was made"
# Formats without a file: refused before anything is written.
for format in pict xbm; do
  if run --pixel-type rgb --file-name "$win\\refused.bmp" --file-format "$format"; then
    fail "$format was written"
  fi
  expect "$out" 'DAT 0x0105 MSG_GET -> rc 1 cc 10'
  expect "$out" 'page 1: no file, MSG_ENDXFER Count 0'
  [ ! -e refused.bmp ] || fail "$format: a file was written"
done

# The Save Image dialog. A cancel: the transfer is done, nothing written.
dialog grey 'wait-window save' 'click 2' || fail "a cancel in the save dialog"
expect "$out" 'ok wait-window save'
grep -q '^file transfer done, nothing at ' <<<"$out" || fail "cancel: the transfer was not done"
if [ -e page-1.bmp ] || [ -n "$(find . -name '*.jpg')" ]; then fail "cancel wrote a file"; fi

# A name typed without extension takes the chosen type's, in each quality.
for entry in "2 30" "3 60" "4 90"; do
  read -r index quality <<<"$entry"
  dialog rgb 'wait-window save' "type 0x47c \"$win\\photo-$quality\"" \
    "select-index 0x470 $index" 'click 1' 'wait-gone save' || fail "JPEG quality $quality"
  jpeg_ok "photo-$quality.jpg" "$quality" sRGB
done
dialog grey 'wait-window save' "type 0x47c \"$win\\grey\"" 'select-index 0x470 4' 'click 1' ||
  fail "a grey JPEG"
jpeg_ok grey.jpg 90 Gray
cp photo-90.jpg "$artefacts/file_${arch}_photo.jpg"

# Black and white offers compressed TIFF; a short name part keeps its dots.
dialog bw 'wait-window save' 'expect-entries 0x470 "Format Bitmap (*.BMP)" "Format TIFF (*.TIF)" "Format TIFF - Compressé (*.TIF)"' \
  "type 0x47c \"$win\\a.b\"" 'select-index 0x470 2' 'click 1' || fail "compressed TIFF"
tiff_ok a.b.tif bw PackBits min-is-white min-is-black
dialog rgb 'wait-window save' "type 0x47c \"$win\\scan.jpeg\"" 'select-index 0x470 0' 'click 1' ||
  fail "BMP for scan.jpeg"
page_ok scan..bmp rgb

# The file really written exists: asked about; no goes back to the dialog,
# yes replaces it.
before=$(md5sum <photo-90.jpg)
dialog rgb 'wait-window save' "type 0x47c \"$win\\photo-90.bmp\"" 'select-index 0x470 2' \
  'click 1' 'wait-window message' 'expect-text-contains 0xFFFF "photo-90.jpg existe déjà."' \
  'click 7' 'wait-window save' 'click 2' || fail "no to the question"
[ "$(md5sum <photo-90.jpg)" = "$before" ] || fail "no: photo-90.jpg was replaced"
[ ! -e photo-90.bmp ] || fail "no: photo-90.bmp was written"
dialog rgb 'wait-window save' "type 0x47c \"$win\\photo-90.bmp\"" 'select-index 0x470 2' \
  'click 1' 'wait-window message' 'click 6' 'wait-gone message' || fail "yes to the question"
jpeg_ok photo-90.jpg 30 sRGB
exit $status
