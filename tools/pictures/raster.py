"""A small anti-aliased rasteriser: shapes are signed distance functions,
painted one over another onto an RGBA canvas with straight alpha."""

import math


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


class Canvas:
    """Pixels as rows of [r, g, b, a], colour 0..255 and alpha 0..1, top row first."""

    def __init__(self, width, height, fill=(0, 0, 0, 0.0)):
        self.width = width
        self.height = height
        self.rows = [[list(fill) for _ in range(width)] for _ in range(height)]

    def paint(self, distance, colour, box=None, opacity=1.0):
        """Paints where distance(x, y) < 0, with a one-pixel soft edge.

        colour is (r, g, b) or a function of (x, y) giving one; box limits
        the pixels visited (x0, y0, x1, y1)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0)) - 1), max(0, int(math.floor(y0)) - 1)
        x1 = min(self.width, int(math.ceil(x1)) + 1)
        y1 = min(self.height, int(math.ceil(y1)) + 1)
        for y in range(y0, y1):
            row = self.rows[y]
            cy = y + 0.5
            for x in range(x0, x1):
                cx = x + 0.5
                cover = clamp(0.5 - distance(cx, cy)) * opacity
                if cover <= 0.0:
                    continue
                src = colour(cx, cy) if callable(colour) else colour
                dst = row[x]
                alpha = cover + dst[3] * (1.0 - cover)
                if alpha <= 0.0:
                    continue
                keep = dst[3] * (1.0 - cover)
                for c in range(3):
                    dst[c] = (src[c] * cover + dst[c] * keep) / alpha
                dst[3] = alpha

    def map(self, function):
        """Replaces every pixel by function([r, g, b, a])."""
        for row in self.rows:
            for x, pixel in enumerate(row):
                row[x] = function(pixel)

    def copy(self):
        other = Canvas(self.width, self.height)
        other.rows = [[list(p) for p in row] for row in self.rows]
        return other


# Signed distances (negative inside), in pixel coordinates.

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def rounded_rect(x0, y0, x1, y1, r):
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0
    mx, my = x0 + hx, y0 + hy

    def distance(x, y):
        qx = abs(x - mx) - hx + r
        qy = abs(y - my) - hy + r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return distance


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def distance(x, y):
        t = clamp(((x - ax) * dx + (y - ay) * dy) / length2)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2.0
    return distance


def polyline(points, width):
    parts = [segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1)]
    return lambda x, y: min(p(x, y) for p in parts)


def polygon(points):
    """A convex polygon, points in clockwise order on screen (y down)."""
    edges = []
    for i, (ax, ay) in enumerate(points):
        bx, by = points[(i + 1) % len(points)]
        length = math.hypot(bx - ax, by - ay) or 1e-9
        edges.append((ax, ay, (by - ay) / length, -(bx - ax) / length))
    return lambda x, y: max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)


def outline(shape, width):
    return lambda x, y: abs(shape(x, y)) - width / 2.0


def arc(cx, cy, r, width, start, sweep):
    """A ring from angle start over sweep (radians, clockwise on screen), round ends."""
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (start, start + sweep)]

    def distance(x, y):
        angle = (math.atan2(y - cy, x - cx) - start) % (2 * math.pi)
        if angle <= sweep:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2.0
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - width / 2.0
    return distance


def vertical_gradient(top, bottom, y0, y1):
    def colour(x, y):
        t = clamp((y - y0) / ((y1 - y0) or 1))
        return tuple(top[c] + (bottom[c] - top[c]) * t for c in range(3))
    return colour


def horizontal_gradient(left, right, x0, x1):
    def colour(x, y):
        t = clamp((x - x0) / ((x1 - x0) or 1))
        return tuple(left[c] + (right[c] - left[c]) * t for c in range(3))
    return colour
