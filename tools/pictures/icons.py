"""The icons of the dialogs' buttons: flat pictograms on a transparent
background, one accent colour per role, with their hover, selected and
disabled variants and the four frames of the stop button."""

import math

from raster import (Canvas, arc, circle, horizontal_gradient, outline, polygon, polyline,
                    rounded_rect, segment, vertical_gradient)

# Role accents and the neutral greys.
SCAN_BLUE = (47, 111, 208)
IMAGE_ORANGE = (224, 123, 36)
PROFILE_GREEN = (46, 158, 91)
STOP_RED = (210, 58, 47)
DARK = (74, 82, 96)
MID = (150, 158, 170)
LIGHT = (233, 236, 240)
WHITE = (255, 255, 255)

# Icon sizes per kind of button, in pixels, a margin inside the button's own size.
LARGE = (72, 44)    # document source and image parameters buttons
ACTION = (62, 32)   # preview, scan and stop
BAR = (76, 14)      # colour modes, profile buttons, OK, reset and Cancel
TOGGLE = (24, 24)   # flips and inversion
SMALL = (16, 16)    # ruler unit


def _tint(colour, amount):
    return tuple(c + (255 - c) * amount for c in colour)


def _plate(canvas, accent, selected):
    """The rounded plate behind a large or action pictogram; selected ones in the accent."""
    w, h = canvas.width, canvas.height
    shape = rounded_rect(1, 1, w - 1, h - 1, min(7, h / 4))
    if selected:
        canvas.paint(shape, vertical_gradient(_tint(accent, 0.75), _tint(accent, 0.55), 0, h))
        canvas.paint(outline(shape, 1.6), accent)


def _pill(canvas, accent, selected):
    """The plate of a bar button: a pill, accent-framed when selected."""
    w, h = canvas.width, canvas.height
    shape = rounded_rect(0.5, 0.5, w - 0.5, h - 0.5, (h - 1) / 2)
    fill = (_tint(accent, 0.7), _tint(accent, 0.45)) if selected else (WHITE, LIGHT)
    canvas.paint(shape, vertical_gradient(fill[0], fill[1], 0, h))
    canvas.paint(outline(shape, 1.4 if selected else 1.0), accent if selected else MID)


def _page(canvas, x0, y0, x1, y1, lines=True):
    """A sheet of paper with a folded corner and lines of writing."""
    fold = (x1 - x0) * 0.3
    canvas.paint(polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]),
                 WHITE)
    canvas.paint(outline(polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1),
                                  (x0, y1)]), 1.2), DARK)
    canvas.paint(polygon([(x1 - fold, y0), (x1, y0 + fold), (x1 - fold, y0 + fold)]), MID)
    if lines:
        step = (y1 - y0) / 5.0
        for i in range(1, 4):
            y = y0 + fold + step * (i - 0.3)
            if y < y1 - 2:
                canvas.paint(segment(x0 + 3, y, x1 - 3, y, 1.0), MID)


def feeder(canvas, selected):
    _plate(canvas, SCAN_BLUE, selected)
    # A sheet entering the slot of a feeder.
    _page(canvas, 22, 5, 46, 27)
    canvas.paint(rounded_rect(10, 23, 62, 39, 4), vertical_gradient(MID, DARK, 23, 39))
    canvas.paint(segment(20, 27, 52, 27, 2.0), (40, 44, 52))
    canvas.paint(segment(16, 34, 56, 34, 1.4), _tint(SCAN_BLUE, 0.2))
    canvas.paint(polyline([(55, 8), (55, 18)], 2.4), SCAN_BLUE)
    canvas.paint(polygon([(50.5, 16), (59.5, 16), (55, 21)]), SCAN_BLUE)


def flatbed(canvas, selected):
    _plate(canvas, SCAN_BLUE, selected)
    # A lid raised above a glass lit by the scanning beam.
    canvas.paint(polygon([(12, 9), (60, 5), (62, 9), (14, 14)]), DARK)
    canvas.paint(rounded_rect(8, 19, 64, 37, 4), vertical_gradient(MID, DARK, 19, 37))
    canvas.paint(rounded_rect(12, 21, 60, 25, 1.5), _tint(SCAN_BLUE, 0.55))
    canvas.paint(segment(30, 21.5, 30, 24.5, 2.4), SCAN_BLUE)
    canvas.paint(segment(14, 31, 24, 31, 2.0), PROFILE_GREEN)


def image_params(canvas, selected):
    _plate(canvas, IMAGE_ORANGE, selected)
    # Three sliders, one knob per colour channel.
    for y, knob, colour in ((11, 44, (220, 40, 40)), (22, 26, (40, 170, 60)),
                            (33, 38, (50, 90, 220))):
        canvas.paint(segment(12, y, 60, y, 2.4), MID)
        canvas.paint(segment(12, y, knob, y, 2.4), IMAGE_ORANGE)
        canvas.paint(circle(knob, y, 4.6), colour)
        canvas.paint(outline(circle(knob, y, 4.6), 1.0), WHITE)


def preview(canvas, selected):
    _plate(canvas, SCAN_BLUE, selected)
    _page(canvas, 14, 3, 36, 29)
    # A magnifying glass over the page.
    canvas.paint(circle(36, 14, 7.5), _tint(SCAN_BLUE, 0.8), opacity=0.85)
    canvas.paint(outline(circle(36, 14, 7.5), 2.4), SCAN_BLUE)
    canvas.paint(segment(41.5, 19.5, 48, 26, 3.6), DARK)


def scan(canvas, selected):
    _plate(canvas, SCAN_BLUE, selected)
    # A page lowered into a tray.
    _page(canvas, 20, 2, 38, 20, lines=False)
    canvas.paint(segment(29, 9, 29, 19, 3.0), SCAN_BLUE)
    canvas.paint(polygon([(23, 17), (35, 17), (29, 24)]), SCAN_BLUE)
    canvas.paint(polyline([(14, 22), (14, 29), (44, 29), (44, 22)], 2.6), DARK)
    canvas.paint(segment(18, 25, 40, 25, 2.0), SCAN_BLUE)


def stop_frame(frame):
    """The stop sign with a quarter-turned arc around it: frames 0..3 make one turn."""
    def draw(canvas, selected):
        cx, cy = canvas.width / 2.0, canvas.height / 2.0
        start = -math.pi / 2 + frame * math.pi / 2
        canvas.paint(arc(cx, cy, 14, 2.6, start, 2 * math.pi / 3), STOP_RED)
        canvas.paint(arc(cx, cy, 14, 2.6, start + math.pi, math.pi / 6), _tint(STOP_RED, 0.5))
        canvas.paint(circle(cx, cy, 10), vertical_gradient(_tint(STOP_RED, 0.15), STOP_RED,
                                                           cy - 10, cy + 10))
        canvas.paint(rounded_rect(cx - 4, cy - 4, cx + 4, cy + 4, 1.2), WHITE)
    return draw


def black_white(canvas, selected):
    _pill(canvas, SCAN_BLUE, selected)
    # Black and white cells only.
    for i in range(6):
        x = 20 + i * 6
        canvas.paint(rounded_rect(x, 3.5, x + 6, 10.5, 0.5), (20, 20, 20) if i % 2 else WHITE)
    canvas.paint(outline(rounded_rect(20, 3.5, 56, 10.5, 0.5), 1.0), DARK)


def grey(canvas, selected):
    _pill(canvas, SCAN_BLUE, selected)
    canvas.paint(rounded_rect(20, 3.5, 56, 10.5, 0.5),
                 horizontal_gradient((245, 245, 245), (30, 30, 30), 20, 56))
    canvas.paint(outline(rounded_rect(20, 3.5, 56, 10.5, 0.5), 1.0), DARK)


def colour(canvas, selected):
    _pill(canvas, SCAN_BLUE, selected)

    def hue(x, y):
        t = (x - 20) / 36.0 * 6
        sector, f = int(t) % 6, t - int(t)
        up, down = 255 * f, 255 * (1 - f)
        return [(255, up, 0), (down, 255, 0), (0, 255, up), (0, down, 255), (up, 0, 255),
                (255, 0, down)][sector]
    canvas.paint(rounded_rect(20, 3.5, 56, 10.5, 0.5), hue)
    canvas.paint(outline(rounded_rect(20, 3.5, 56, 10.5, 0.5), 1.0), DARK)


def _small_page(canvas, cx):
    canvas.paint(polygon([(cx - 4, 2), (cx + 2, 2), (cx + 4, 4), (cx + 4, 12), (cx - 4, 12)]),
                 WHITE)
    canvas.paint(outline(polygon([(cx - 4, 2), (cx + 2, 2), (cx + 4, 4), (cx + 4, 12),
                                  (cx - 4, 12)]), 1.0), DARK)


def new_profile(canvas, selected):
    _pill(canvas, PROFILE_GREEN, False)
    _small_page(canvas, 34)
    canvas.paint(segment(44, 7, 52, 7, 2.2), PROFILE_GREEN)
    canvas.paint(segment(48, 3, 48, 11, 2.2), PROFILE_GREEN)


def store_profile(canvas, selected):
    _pill(canvas, PROFILE_GREEN, False)
    # A diskette: its shutter at the top, its label below.
    canvas.paint(polygon([(32, 1.5), (42, 1.5), (44.5, 4), (44.5, 12.5), (32, 12.5)]),
                 PROFILE_GREEN)
    canvas.paint(rounded_rect(35, 1.5, 41, 5, 0.5), (210, 214, 220))
    canvas.paint(rounded_rect(34, 7.5, 42.5, 12.5, 0.8), WHITE)


def delete_profile(canvas, selected):
    _pill(canvas, PROFILE_GREEN, False)
    # A waste bin.
    canvas.paint(segment(32, 3.5, 44, 3.5, 1.6), DARK)
    canvas.paint(segment(36.5, 2, 39.5, 2, 1.4), DARK)
    canvas.paint(polygon([(33.5, 5), (42.5, 5), (41.5, 12.5), (34.5, 12.5)]), PROFILE_GREEN)
    for x in (36, 38, 40):
        canvas.paint(segment(x, 6.5, x, 11, 0.9), _tint(PROFILE_GREEN, 0.7))


def ok(canvas, selected):
    _pill(canvas, IMAGE_ORANGE, False)
    canvas.paint(polyline([(32, 7), (36, 11), (44, 3)], 2.4), IMAGE_ORANGE)


def reset(canvas, selected):
    _pill(canvas, IMAGE_ORANGE, False)
    # A circular arrow going back.
    canvas.paint(arc(38, 7, 4, 1.8, -math.pi * 0.35, math.pi * 1.55), IMAGE_ORANGE)
    canvas.paint(polygon([(38.5, 0.6), (42.5, 3.2), (38.5, 5.6)]), IMAGE_ORANGE)


def cancel(canvas, selected):
    _pill(canvas, IMAGE_ORANGE, False)
    canvas.paint(segment(34, 3, 42, 11, 2.2), DARK)
    canvas.paint(segment(42, 3, 34, 11, 2.2), DARK)


def _toggle_plate(canvas, on):
    shape = rounded_rect(1, 1, 23, 23, 4)
    fill = (_tint(IMAGE_ORANGE, 0.7), _tint(IMAGE_ORANGE, 0.45)) if on else (WHITE, LIGHT)
    canvas.paint(shape, vertical_gradient(fill[0], fill[1], 0, 24))
    canvas.paint(outline(shape, 1.4 if on else 1.0), IMAGE_ORANGE if on else MID)


def invert(canvas, on):
    _toggle_plate(canvas, on)
    canvas.paint(circle(12, 12, 7), WHITE)
    canvas.paint(lambda x, y: max(circle(12, 12, 7)(x, y), 12 - x), (30, 30, 30))
    canvas.paint(outline(circle(12, 12, 7), 1.2), DARK)


def mirror_vertical_axis(canvas, on):
    _toggle_plate(canvas, on)
    canvas.paint(polygon([(10, 6), (10, 18), (4, 12)]), IMAGE_ORANGE if not on else DARK)
    canvas.paint(outline(polygon([(14, 6), (20, 12), (14, 18)]), 1.2), DARK)
    for y in (4, 8, 12, 16):
        canvas.paint(segment(12, y, 12, y + 2.2, 1.2), DARK)


def mirror_horizontal_axis(canvas, on):
    _toggle_plate(canvas, on)
    canvas.paint(polygon([(6, 10), (12, 4), (18, 10)]), IMAGE_ORANGE if not on else DARK)
    canvas.paint(outline(polygon([(6, 14), (18, 14), (12, 20)]), 1.2), DARK)
    for x in (4, 8, 12, 16):
        canvas.paint(segment(x, 12, x + 2.2, 12, 1.2), DARK)


def ruler_unit(canvas, selected):
    # A ruler lying across, graduated along its lower edge.
    body = polygon([(0.5, 4.5), (15.5, 4.5), (15.5, 11.5), (0.5, 11.5)])
    canvas.paint(body, vertical_gradient((250, 232, 160), (226, 196, 96), 4, 12))
    canvas.paint(outline(body, 1.0), DARK)
    for i, x in enumerate((3, 5.5, 8, 10.5, 13)):
        canvas.paint(segment(x, 11.5, x, 9.5 if i % 2 else 7.5, 0.9), DARK)


def application(canvas, selected):
    s = canvas.width / 32.0
    canvas.paint(rounded_rect(1 * s, 1 * s, 31 * s, 31 * s, 6 * s),
                 vertical_gradient(_tint(SCAN_BLUE, 0.3), SCAN_BLUE, 0, canvas.height))
    canvas.paint(polygon([(6 * s, 8 * s), (26 * s, 6 * s), (27 * s, 9 * s), (7 * s, 12 * s)]),
                 WHITE, opacity=0.85)
    canvas.paint(rounded_rect(5 * s, 15 * s, 27 * s, 26 * s, 2.5 * s), WHITE)
    canvas.paint(rounded_rect(8 * s, 17 * s, 24 * s, 20 * s, 1 * s), _tint(SCAN_BLUE, 0.5))
    canvas.paint(segment(14 * s, 17.5 * s, 14 * s, 19.5 * s, 1.8 * s), SCAN_BLUE)


# Variants derived from a drawn picture.

def lighter(pixel):
    """Hover: the same picture lightened."""
    return [pixel[0] + (255 - pixel[0]) * 0.35, pixel[1] + (255 - pixel[1]) * 0.35,
            pixel[2] + (255 - pixel[2]) * 0.35, pixel[3]]


def disabled(pixel):
    """Disabled: desaturated towards a light grey and faded."""
    luma = 0.30 * pixel[0] + 0.59 * pixel[1] + 0.11 * pixel[2]
    grey = luma * 0.45 + 165 * 0.55
    return [grey, grey, grey, pixel[3] * 0.6]


NORMAL, HOVER, DISABLED = "normal", "hover", "disabled"

# Icon id: (drawing, size, selected or on, variant).
ICONS = {
    # Sheet feeder: not selected 184/183, selected 187/186, disabled 192.
    183: (feeder, LARGE, False, NORMAL), 184: (feeder, LARGE, False, HOVER),
    186: (feeder, LARGE, True, NORMAL), 187: (feeder, LARGE, True, HOVER),
    192: (feeder, LARGE, False, DISABLED),
    # Flatbed: not selected 185/181, selected 189/188, disabled 191.
    181: (flatbed, LARGE, False, NORMAL), 185: (flatbed, LARGE, False, HOVER),
    188: (flatbed, LARGE, True, NORMAL), 189: (flatbed, LARGE, True, HOVER),
    191: (flatbed, LARGE, False, DISABLED),
    # Image parameters.
    143: (image_params, LARGE, False, NORMAL), 208: (image_params, LARGE, False, HOVER),
    209: (image_params, LARGE, False, DISABLED),
    # Colour modes: not selected (hover, normal), selected (hover, normal), disabled.
    134: (black_white, BAR, False, HOVER), 229: (black_white, BAR, False, NORMAL),
    152: (black_white, BAR, True, HOVER), 230: (black_white, BAR, True, NORMAL),
    204: (black_white, BAR, False, DISABLED),
    135: (grey, BAR, False, HOVER), 226: (grey, BAR, False, NORMAL),
    151: (grey, BAR, True, HOVER), 227: (grey, BAR, True, NORMAL),
    194: (grey, BAR, False, DISABLED),
    136: (colour, BAR, False, HOVER), 228: (colour, BAR, False, NORMAL),
    150: (colour, BAR, True, HOVER), 231: (colour, BAR, True, NORMAL),
    232: (colour, BAR, False, DISABLED),
    # Profiles.
    196: (new_profile, BAR, False, HOVER), 195: (new_profile, BAR, False, NORMAL),
    197: (new_profile, BAR, False, DISABLED),
    198: (store_profile, BAR, False, HOVER), 200: (store_profile, BAR, False, NORMAL),
    199: (store_profile, BAR, False, DISABLED),
    201: (delete_profile, BAR, False, HOVER), 203: (delete_profile, BAR, False, NORMAL),
    202: (delete_profile, BAR, False, DISABLED),
    # Preview and scan.
    174: (preview, ACTION, False, HOVER), 173: (preview, ACTION, False, NORMAL),
    175: (preview, ACTION, False, DISABLED),
    171: (scan, ACTION, False, HOVER), 170: (scan, ACTION, False, NORMAL),
    # Stop: the first frame is also the resting icon.
    176: (stop_frame(0), ACTION, False, NORMAL), 206: (stop_frame(1), ACTION, False, NORMAL),
    207: (stop_frame(2), ACTION, False, NORMAL), 223: (stop_frame(3), ACTION, False, NORMAL),
    177: (stop_frame(0), ACTION, False, HOVER), 205: (stop_frame(0), ACTION, False, DISABLED),
    # Ruler unit.
    224: (ruler_unit, SMALL, False, HOVER), 157: (ruler_unit, SMALL, False, NORMAL),
    # Image parameters dialog: toggles on and off, then OK, reset and Cancel.
    154: (invert, TOGGLE, True, NORMAL), 142: (invert, TOGGLE, False, NORMAL),
    153: (mirror_vertical_axis, TOGGLE, True, NORMAL),
    141: (mirror_vertical_axis, TOGGLE, False, NORMAL),
    179: (mirror_horizontal_axis, TOGGLE, True, NORMAL),
    178: (mirror_horizontal_axis, TOGGLE, False, NORMAL),
    211: (ok, BAR, False, HOVER), 210: (ok, BAR, False, NORMAL),
    217: (reset, BAR, False, HOVER), 216: (reset, BAR, False, NORMAL),
    214: (cancel, BAR, False, HOVER), 213: (cancel, BAR, False, NORMAL),
}

APPLICATION_ICON = 128
APPLICATION_SIZES = (32, 16)


def render(icon_id):
    """The canvases of one icon resource (one per size)."""
    if icon_id == APPLICATION_ICON:
        canvases = []
        for size in APPLICATION_SIZES:
            canvas = Canvas(size, size)
            application(canvas, False)
            canvases.append(canvas)
        return canvases
    draw, (width, height), selected, variant = ICONS[icon_id]
    canvas = Canvas(width, height)
    draw(canvas, selected)
    if variant == HOVER:
        canvas.map(lighter)
    elif variant == DISABLED:
        canvas.map(disabled)
    return [canvas]


def all_ids():
    return sorted(ICONS) + [APPLICATION_ICON]
