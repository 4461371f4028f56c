"""A small RGB canvas with the shapes the pictures are drawn from.

Coordinates are pixels; shapes test pixel centres, so the same shape drawn at another size
keeps its proportions. Fuchsia is the key colour that the glyphs use for "transparent".
"""
import math

FUCHSIA = (255, 0, 255)


class Canvas:
    def __init__(self, width, height, ground=FUCHSIA):
        self.width = width
        self.height = height
        self.pixels = [[ground] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill_where(self, inside, colour, box=None):
        """Paints every pixel whose centre satisfies inside(px, py)."""
        x0, y0, x1, y1 = box or (0, 0, self.width - 1, self.height - 1)
        for y in range(max(0, int(y0)), min(self.height - 1, int(math.ceil(y1))) + 1):
            for x in range(max(0, int(x0)), min(self.width - 1, int(math.ceil(x1))) + 1):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def polygon(self, points, colour):
        """Fills a polygon given in continuous coordinates (even-odd rule)."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.fill_where(lambda px, py: inside_polygon(points, px, py), colour,
                        (min(xs), min(ys), max(xs), max(ys)))

    def thick_line(self, x0, y0, x1, y1, width, colour):
        """A stroke of the given width between two continuous points."""
        def near(px, py):
            return _distance_to_segment(px, py, x0, y0, x1, y1) <= width / 2
        pad = width / 2 + 1
        self.fill_where(near, colour, (min(x0, x1) - pad, min(y0, y1) - pad,
                                       max(x0, x1) + pad, max(y0, y1) + pad))

    def ellipse(self, cx, cy, rx, ry, colour):
        self.fill_where(lambda px, py: ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1,
                        colour, (cx - rx, cy - ry, cx + rx, cy + ry))

    def ring(self, cx, cy, outer, inner, colour, start, end):
        """An arc of an annulus; angles in degrees, counted clockwise from three o'clock."""
        def inside(px, py):
            angle = math.degrees(math.atan2(py - cy, px - cx))
            return (inner <= math.hypot(px - cx, py - cy) <= outer and
                    (angle - start) % 360 <= (end - start) % 360)
        self.fill_where(inside, colour, (cx - outer, cy - outer, cx + outer, cy + outer))

    def paste(self, other, dx=0, dy=0, key=FUCHSIA):
        """Copies the other canvas's pixels that are not the key colour."""
        for y in range(other.height):
            for x in range(other.width):
                colour = other.pixels[y][x]
                if colour != key:
                    self.set(x + dx, y + dy, colour)

    def outline(self, colour, key=FUCHSIA):
        """Recolours every drawn pixel that touches the key colour or the border."""
        def clear(x, y):
            return not (0 <= x < self.width and 0 <= y < self.height) or self.pixels[y][x] == key
        edge = [(x, y) for y in range(self.height) for x in range(self.width)
                if not clear(x, y) and any(clear(x + dx, y + dy)
                                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))]
        for x, y in edge:
            self.pixels[y][x] = colour
        return self

    def halo(self, colour, key=FUCHSIA):
        """Paints the key-coloured pixels that touch a drawn pixel, so the shape gets a rim."""
        def drawn(x, y):
            return 0 <= x < self.width and 0 <= y < self.height and self.pixels[y][x] != key
        rim = [(x, y) for y in range(self.height) for x in range(self.width)
               if not drawn(x, y) and any(drawn(x + dx, y + dy)
                                          for dx in (-1, 0, 1) for dy in (-1, 0, 1))]
        for x, y in rim:
            self.pixels[y][x] = colour
        return self

    def map(self, change, key=FUCHSIA):
        """A new canvas with change(colour) applied to every pixel that is not the key colour."""
        result = Canvas(self.width, self.height, key)
        for y in range(self.height):
            for x in range(self.width):
                colour = self.pixels[y][x]
                result.pixels[y][x] = colour if colour == key else change(colour)
        return result


def strip(images, ground=FUCHSIA):
    """Lays images of equal height side by side, left to right."""
    result = Canvas(sum(i.width for i in images), images[0].height, ground)
    left = 0
    for image in images:
        result.paste(image, left, 0, key=None)
        left += image.width
    return result


def mix(a, b, share):
    """The colour share of the way from a to b."""
    return tuple(round(ca + (cb - ca) * share) for ca, cb in zip(a, b))


def inside_polygon(points, px, py):
    inside = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def _distance_to_segment(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length = dx * dx + dy * dy
    t = 0 if length == 0 else max(0, min(1, ((px - x0) * dx + (py - y0) * dy) / length))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def arrow_points(tail, tip, shaft, head, head_length):
    """Outline of a block arrow from tail to tip, in continuous coordinates."""
    (tx, ty), (px, py) = tail, tip
    length = math.hypot(px - tx, py - ty)
    ux, uy = (px - tx) / length, (py - ty) / length
    nx, ny = -uy, ux
    bx, by = px - ux * head_length, py - uy * head_length

    def at(x, y, side):
        return (x + nx * side, y + ny * side)
    return [at(tx, ty, shaft / 2), at(bx, by, shaft / 2), at(bx, by, head / 2), (px, py),
            at(bx, by, -head / 2), at(bx, by, -shaft / 2), at(tx, ty, -shaft / 2)]
