#!/usr/bin/env python3
"""Checks the generated icons and bitmaps: every resource the dialogs name is
there, in the right format and size, and the variants of one button differ
the way they should (hover lighter, disabled greyer and fainter, the stop
frames all different).

Usage: python3 tests/resources/check_pictures.py <pictures-folder>

Exits 0 when everything holds, otherwise prints each failure and exits 1.
"""

import re
import struct
import sys
from pathlib import Path

# Dialog units to pixels for MS Sans Serif 8 (base units 6 x 13).
def button_pixels(w, h):
    return w * 6 // 4, h * 13 // 8

# Every icon a button shows, with the size of that button in dialog units:
# (hover, normal, disabled) as the buttons take them.
BUTTONS = [
    ((54, 31), [(184, 183, 192), (187, 186, 192)]),    # sheet feeder
    ((54, 32), [(185, 181, 191), (189, 188, 191)]),    # flatbed
    ((54, 31), [(208, 143, 209)]),                     # image parameters
    ((55, 11), [(134, 229, 204), (152, 230, 204)]),    # black and white
    ((55, 11), [(135, 226, 194), (151, 227, 194)]),    # grey
    ((55, 11), [(136, 228, 232), (150, 231, 232)]),    # colour
    ((56, 11), [(196, 195, 197)]),                     # new profile
    ((56, 11), [(198, 200, 199)]),                     # store profile
    ((56, 11), [(201, 203, 202)]),                     # delete profile
    ((47, 23), [(174, 173, 175)]),                     # preview
    ((47, 24), [(171, 170, 170)]),                     # scan
    ((48, 27), [(177, 176, 205)]),                     # stop (also 49 x 26)
    ((14, 12), [(224, 157, 157)]),                     # ruler unit
    ((21, 19), [(154, 154, 154), (142, 142, 142)]),    # inversion on, off
    ((21, 19), [(153, 153, 153), (141, 141, 141)]),    # vertical-axis flip
    ((21, 19), [(179, 179, 179), (178, 178, 178)]),    # horizontal-axis flip
    ((56, 11), [(211, 210, 210)]),                     # OK
    ((56, 11), [(217, 216, 216)]),                     # reset
    ((56, 11), [(214, 213, 213)]),                     # Cancel
]
STOP_FRAMES = (176, 206, 207, 223)
SELECTED_PAIRS = [(183, 186), (181, 188), (229, 230), (226, 227), (228, 231), (142, 154),
                  (141, 153), (178, 179)]
APPLICATION_ICON = 128
BITMAP_SIZES = {161: (296, 21), 162: (21, 419), 163: (296, 21), 164: (21, 419),
                166: (550, 500)}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def read_ico(path):
    """[(width, height, [(r, g, b, a)] top row first, mask [bool] top row first)]."""
    data = path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if not check(reserved == 0 and kind == 1 and count >= 1, "%s: not an icon file" % path.name):
        return []
    images = []
    for i in range(count):
        w, h, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        check(offset + size <= len(data), "%s: image %d runs past the file" % (path.name, i))
        header, bw, bh, _, bpp = struct.unpack_from("<IiiHH", data, offset)
        check(header == 40 and bw == w and bh == 2 * h and bpp == 32 and bits == 32,
              "%s: image %d is not a %dx%d 32-bit image with its mask" % (path.name, i, w, h))
        colour = offset + 40
        mask_at = colour + w * h * 4
        mask_stride = ((w + 31) // 32) * 4
        check(mask_at + mask_stride * h == offset + size,
              "%s: image %d has the wrong length" % (path.name, i))
        pixels, mask = [], []
        for y in range(h - 1, -1, -1):
            for x in range(w):
                b, g, r, a = data[colour + (y * w + x) * 4: colour + (y * w + x) * 4 + 4]
                pixels.append((r, g, b, a))
                mask.append(bool(data[mask_at + y * mask_stride + x // 8] & (0x80 >> (x % 8))))
        images.append((w, h, pixels, mask))
    return images


def read_bmp(path):
    data = path.read_bytes()
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    _, w, h, _, bpp = struct.unpack_from("<IiiHH", data, 14)
    stride = (w * 3 + 3) & ~3
    check(magic == b"BM" and size == len(data) and offset + stride * abs(h) == len(data),
          "%s: not a well-formed BMP" % path.name)
    check(bpp == 24, "%s: %d bits per pixel, not 24" % (path.name, bpp))
    rows = []
    for y in range(h - 1, -1, -1):
        row = data[offset + y * stride: offset + y * stride + w * 3]
        rows.append([(row[i + 2], row[i + 1], row[i]) for i in range(0, w * 3, 3)])
    return w, h, rows


def luma(p):
    return 0.30 * p[0] + 0.59 * p[1] + 0.11 * p[2]


def stats(image):
    """Mean luma, mean saturation and mean alpha over the visible pixels."""
    _, _, pixels, _ = image
    seen = [p for p in pixels if p[3] > 0]
    if not seen:
        return 0, 0, 0
    n = float(len(seen))
    return (sum(luma(p) for p in seen) / n,
            sum(max(p[:3]) - min(p[:3]) for p in seen) / n,
            sum(p[3] for p in pixels) / float(len(pixels)))


def main(argv):
    folder = Path(argv[1])
    rc = (folder / "pictures.rc").read_text()
    named = {}
    for number, kind, name in re.findall(r'^(\d+)\s+(ICON|BITMAP)\s+"([^"]+)"', rc, re.M):
        number = int(number)
        check((kind, number) not in named, "%s %d named twice" % (kind, number))
        named[(kind, number)] = Path(name)

    icons = {}
    needed = {APPLICATION_ICON} | set(STOP_FRAMES)
    for _, groups in BUTTONS:
        for triple in groups:
            needed.update(triple)
    for number in sorted(needed):
        path = named.get(("ICON", number))
        if check(path is not None and path.exists(), "icon %d missing" % number):
            images = read_ico(path)
            if images:
                icons[number] = images
    for number, images in icons.items():
        for w, h, pixels, mask in images:
            check(any(p[3] >= 128 for p in pixels), "icon %d is hardly visible" % number)
            check(any(p[3] == 0 for p in pixels), "icon %d has no transparent pixel" % number)
            check(all(m == (p[3] == 0) for p, m in zip(pixels, mask)),
                  "icon %d: its mask does not follow its alpha" % number)
    check(sorted((w, h) for w, h, _, _ in icons.get(APPLICATION_ICON, [])) == [(16, 16), (32, 32)],
          "icon 128 is not 16x16 and 32x32")

    for (dw, dh), groups in BUTTONS:
        bw, bh = button_pixels(dw, dh)
        for hover, normal, disabled in groups:
            for number in (hover, normal, disabled):
                if number in icons:
                    w, h = icons[number][0][:2]
                    # A one-pixel border and the pressed shift must still leave it whole.
                    check(w <= bw - 3 and h <= bh - 3,
                          "icon %d (%dx%d) does not fit its %dx%d button" % (number, w, h, bw, bh))
            if {hover, normal, disabled} <= icons.keys():
                sizes = {icons[n][0][:2] for n in (hover, normal, disabled)}
                check(len(sizes) == 1, "icons %d/%d/%d differ in size" % (hover, normal, disabled))
                if hover != normal:
                    check(stats(icons[hover][0])[0] > stats(icons[normal][0])[0] + 5,
                          "hover icon %d is not lighter than %d" % (hover, normal))
                if disabled != normal:
                    n, d = stats(icons[normal][0]), stats(icons[disabled][0])
                    check(d[1] < n[1] and d[1] < 8, "disabled icon %d is not grey" % disabled)
                    check(d[2] < n[2], "disabled icon %d is not fainter than %d" % (disabled,
                                                                                    normal))
    frames = [icons[n][0][2] for n in STOP_FRAMES if n in icons]
    check(len({tuple(f) for f in frames}) == len(STOP_FRAMES), "the stop frames are not all different")
    for plain, selected in SELECTED_PAIRS:
        if plain in icons and selected in icons:
            check(icons[plain][0][2] != icons[selected][0][2],
                  "selected icon %d looks like %d" % (selected, plain))

    bitmaps = {}
    for number, size in BITMAP_SIZES.items():
        path = named.get(("BITMAP", number))
        if check(path is not None and path.exists(), "bitmap %d missing" % number):
            w, h, rows = read_bmp(path)
            check((w, h) == size, "bitmap %d is %dx%d, not %dx%d" % (number, w, h, *size))
            bitmaps[number] = rows
    if {161, 163} <= bitmaps.keys():
        check(bitmaps[161] != bitmaps[163], "the centimetre and inch rulers are the same")
    if {162, 164} <= bitmaps.keys():
        check(bitmaps[162] != bitmaps[164], "the centimetre and inch rulers are the same")

    sample = folder / "zevodaz.bmp"
    if check(sample.exists(), "the sample picture is missing"):
        w, h, rows = read_bmp(sample)
        pixels = [p for row in rows for p in row]
        greys = {p[0] for p in pixels if p[0] == p[1] == p[2]}
        check(len(greys) >= 64, "the sample has only %d grey levels" % len(greys))
        check(sum(1 for p in pixels if max(p) - min(p) > 128) > len(pixels) // 10,
              "the sample has little strong colour")
        check(rows != [list(reversed(r)) for r in rows], "the sample is the same flipped left-right")
        check(rows != list(reversed(rows)), "the sample is the same flipped upside down")

    for failure in failures:
        print("FAIL:", failure)
    print("pictures: %d icons, %d bitmaps checked, %d failures" % (len(icons), len(bitmaps),
                                                                   len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
