"""BMP and ICO files written byte by byte (little-endian, bottom-up rows)."""

import struct


def _bgr(pixel):
    return bytes(int(round(min(255, max(0, c)))) for c in (pixel[2], pixel[1], pixel[0]))


def bmp24(canvas):
    """A 24-bit BMP of an opaque canvas."""
    stride = (canvas.width * 3 + 3) & ~3
    pad = bytes(stride - canvas.width * 3)
    body = bytearray()
    for row in reversed(canvas.rows):
        for pixel in row:
            body += _bgr(pixel)
        body += pad
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(body),
                       2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


def _icon_image(canvas):
    """One icon image: 32-bit colour with alpha, then the AND mask for readers
    without alpha (set where the pixel is fully transparent)."""
    colour = bytearray()
    for row in reversed(canvas.rows):
        for pixel in row:
            alpha = int(round(min(1.0, max(0.0, pixel[3])) * 255))
            colour += _bgr(pixel) + bytes([alpha])
    mask_stride = ((canvas.width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(canvas.rows):
        line = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if int(round(min(1.0, max(0.0, pixel[3])) * 255)) == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0,
                       len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def ico(canvases):
    """An ICO file holding one image per canvas (each at most 256 pixels a side)."""
    images = [_icon_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32,
                           len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)
