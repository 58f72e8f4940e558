"""The bitmaps: the dialogs' background, the four rulers and the sample picture."""

import math

from raster import (Canvas, circle, horizontal_gradient, outline, polygon, rounded_rect, segment,
                    vertical_gradient)

BACKGROUND_SIZE = (550, 500)
HORIZONTAL_RULER = (296, 21)
VERTICAL_RULER = (21, 419)
# The preview pane stands for an A4 sheet.
A4_CM = (21.0, 29.7)
A4_INCHES = (8.27, 11.7)
SAMPLE_SIZE = (240, 320)


def _noise(x, y):
    """A fixed pseudo-random value in -1..1 per pixel."""
    n = (x * 374761393 + y * 668265263) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 32767.5 - 1.0


def background():
    """A quiet vertical gradient with a faint grain."""
    width, height = BACKGROUND_SIZE
    canvas = Canvas(width, height)
    top, bottom = (238, 241, 246), (208, 216, 228)
    for y, row in enumerate(canvas.rows):
        t = y / (height - 1)
        base = [top[c] + (bottom[c] - top[c]) * t for c in range(3)]
        for x in range(width):
            grain = _noise(x, y) * 2.5
            row[x] = [base[0] + grain, base[1] + grain, base[2] + grain, 1.0]
    return canvas


def _ticks(length_px, units, marks):
    """(position, tick length) along a ruler: marks is [(fraction of a unit, length)],
    finest first; each position takes the longest mark it falls on."""
    per_unit = length_px / units
    finest = marks[0][0]
    count = int(round(units / finest))
    ticks = []
    for i in range(1, count + 1):
        value = i * finest
        size = 0
        for fraction, tick in marks:
            if abs(value / fraction - round(value / fraction)) < 1e-6:
                size = tick
        ticks.append((value * per_unit, size))
    return ticks


def ruler(vertical, inches):
    """A ruler graduated along the preview pane's edge, ticks towards the pane."""
    width, height = VERTICAL_RULER if vertical else HORIZONTAL_RULER
    canvas = Canvas(width, height)
    canvas.paint(lambda x, y: -1, (vertical_gradient if not vertical else horizontal_gradient)(
        (250, 246, 228), (236, 228, 196), 0, height if not vertical else width))
    extent = height if vertical else width
    units = (A4_INCHES if inches else A4_CM)[1 if vertical else 0]
    if inches:
        marks = [(0.125, 3), (0.25, 5), (0.5, 8), (1.0, 13)]
    else:
        marks = [(0.5, 4), (1.0, 8), (5.0, 13)]
    dark = (70, 64, 52)
    for position, size in _ticks(extent, units, marks):
        if position >= extent - 0.5:
            continue
        if vertical:
            canvas.paint(segment(width - size, position, width, position, 1.0), dark)
        else:
            canvas.paint(segment(position, height - size, position, height, 1.0), dark)
    if vertical:
        canvas.paint(segment(width - 0.5, 0, width - 0.5, height, 1.0), dark)
    else:
        canvas.paint(segment(0, height - 0.5, width, height - 0.5, 1.0), dark)
    return canvas


def sample():
    """A landscape with a house, a sun off to one side (so flips show), a grey ramp,
    colour bars and fine line patterns for the filters."""
    width, height = SAMPLE_SIZE
    canvas = Canvas(width, height)
    canvas.paint(lambda x, y: -1, vertical_gradient((70, 120, 210), (196, 222, 246), 0, 170))
    canvas.paint(circle(52, 46, 22), (255, 214, 64))
    canvas.paint(outline(circle(52, 46, 27), 3), (255, 236, 150), opacity=0.6)
    for cx, cy in ((160, 40), (182, 34), (200, 44)):
        canvas.paint(circle(cx, cy, 14), (250, 250, 252))
    canvas.paint(lambda x, y: (140 + 18 * math.sin(x / 34.0)) - y,
                 vertical_gradient((110, 170, 70), (40, 100, 40), 120, 200))
    canvas.paint(lambda x, y: (165 + 10 * math.sin(x / 21.0 + 1.5)) - y,
                 vertical_gradient((70, 140, 50), (30, 80, 30), 150, 200))
    # The house: red walls, a dark roof, a yellow window, a brown door.
    canvas.paint(polygon([(130, 150), (190, 150), (190, 196), (130, 196)]), (196, 48, 40))
    canvas.paint(polygon([(124, 152), (160, 118), (196, 152)]), (60, 52, 60))
    canvas.paint(rounded_rect(140, 160, 156, 174, 1.5), (255, 224, 96))
    canvas.paint(rounded_rect(168, 170, 182, 196, 1.5), (110, 70, 36))
    # A tree on the left.
    canvas.paint(rounded_rect(26, 160, 32, 196, 1), (100, 66, 40))
    canvas.paint(circle(29, 150, 16), (34, 120, 48))
    # A grey ramp in sixteen steps.
    for i in range(16):
        level = i * 17
        x0 = i * width / 16.0
        canvas.paint(polygon([(x0, 200), (x0 + width / 16.0, 200), (x0 + width / 16.0, 224),
                              (x0, 224)]), (level, level, level))
    # A smooth grey ramp.
    canvas.paint(polygon([(0, 224), (width, 224), (width, 240), (0, 240)]),
                 horizontal_gradient((0, 0, 0), (255, 255, 255), 0, width))
    # Colour bars.
    bars = [(255, 0, 0), (255, 255, 0), (0, 255, 0), (0, 255, 255), (0, 0, 255), (255, 0, 255)]
    for i, bar in enumerate(bars):
        x0 = i * width / 6.0
        canvas.paint(polygon([(x0, 240), (x0 + width / 6.0, 240), (x0 + width / 6.0, 272),
                              (x0, 272)]), bar)
    # Fine detail: one-pixel stripes, a checkerboard and a fan of lines.
    for y in range(272, height):
        row = canvas.rows[y]
        for x in range(width):
            if x < 80:
                v = 255 if x % 2 else 0
            elif x < 160:
                v = 255 if ((x // 2) + (y // 2)) % 2 else 0
            else:
                v = 240
            row[x] = [v, v, v, 1.0]
    for k in range(12):
        angle = math.pi * k / 22.0
        canvas.paint(segment(160, height, 160 + 80 * math.cos(angle), height - 48 * math.sin(angle),
                             0.8), (20, 20, 20), box=(160, 272, width, height))
    return canvas
