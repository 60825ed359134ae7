"""A tiny RGBA canvas with anti-aliased shapes described by distance functions.

Coordinates are continuous with pixel (x, y) covering [x, x + 1) x [y, y + 1); shapes are
sampled at pixel centres. A signed distance below zero is inside the shape; coverage of one
pixel is approximated by how far its centre lies from the edge.
"""
import math


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def inside(distance, offset=0.0):
    """Coverage of the region where the distance is at most offset."""
    return clamp(0.5 - (distance - offset))


def band(distance, near, far):
    """Coverage of the region between two distances (near < far), e.g. a ring."""
    return inside(distance, far) - inside(distance, near)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def round_rect(x0, y0, x1, y1, radius):
    """Signed distance to a rectangle with rounded corners; x1 and y1 are exclusive edges."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def distance(px, py):
        qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return distance


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def polyline(points):
    """Unsigned distance to a chain of segments."""
    segments = list(zip(points, points[1:]))

    def distance(px, py):
        return min(_segment_distance(px, py, ax, ay, bx, by) for (ax, ay), (bx, by) in segments)
    return distance


def polygon(points):
    """Signed distance to a closed polygon (even-odd rule)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(px, py):
        nearest = min(_segment_distance(px, py, ax, ay, bx, by) for (ax, ay), (bx, by) in edges)
        crossings = 0
        for (ax, ay), (bx, by) in edges:
            if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                crossings += 1
        return -nearest if crossings % 2 else nearest
    return distance


def stroke(distance_to_line, width):
    """Coverage of a line of the given width around an unsigned distance function."""
    return lambda px, py: inside(distance_to_line(px, py), width / 2)


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0), alpha=0.0):
        self.width, self.height = width, height
        self.pixels = [[[*colour, alpha] for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, alpha):
        """Source-over of one colour (0-255 channels) at alpha 0-1."""
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        pixel = self.pixels[y][x]
        under = pixel[3] * (1 - alpha)
        total = alpha + under
        for i in range(3):
            pixel[i] = (colour[i] * alpha + pixel[i] * under) / total
        pixel[3] = total

    def put(self, x, y, colour, alpha):
        self.pixels[y][x] = [*colour, alpha]

    def paint(self, coverage, colour, alpha=1.0, box=None):
        """Blends colour over every pixel of box (x0, y0, x1, y1, exclusive ends; default the
        whole canvas) by coverage(px, py). colour and alpha may be functions of the pixel."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                amount = coverage(x + 0.5, y + 0.5)
                if amount > 0:
                    c = colour(x, y) if callable(colour) else colour
                    a = alpha(x, y) if callable(alpha) else alpha
                    self.blend(x, y, c, a * amount)

    def rows(self):
        return [[tuple(int(round(clamp(v, 0, 255))) for v in p[:3]) + (int(round(p[3] * 255)),)
                 for p in row] for row in self.pixels]
