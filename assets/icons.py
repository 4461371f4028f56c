"""The program icons, drawn in 16-pixel units and scaled to the size asked for."""
from globe import draw_globe
from raster import Canvas, arrow_points

BLOCK_FACES = ((120, 200, 255), (30, 120, 220), (10, 60, 150))
TREE_LINE = (60, 60, 60)
GREEN = (0, 190, 0)
DARK_GREEN = (0, 90, 0)


def _cube(canvas, x, y, side, k):
    """An isometric block whose front top left corner is at x, y (16-pixel units)."""
    top, left, right = BLOCK_FACES
    d = side / 2
    canvas.polygon([(k * x, k * (y + d / 2)), (k * (x + d), k * y), (k * (x + side), k * (y + d / 2)),
                    (k * (x + d), k * (y + d))], top)
    canvas.polygon([(k * x, k * (y + d / 2)), (k * (x + d), k * (y + d)), (k * (x + d), k * (y + side + d / 2)),
                    (k * x, k * (y + side))], left)
    canvas.polygon([(k * (x + d), k * (y + d)), (k * (x + side), k * (y + d / 2)),
                    (k * (x + side), k * (y + side)), (k * (x + d), k * (y + side + d / 2))], right)


def tavisk(size):
    """Three registry blocks joined as a tree."""
    k = size / 16
    canvas = Canvas(size, size)
    width = max(1, round(k))
    canvas.rect(round(3 * k), round(6 * k), round(3 * k) + width - 1, round(12 * k), TREE_LINE)
    canvas.rect(round(3 * k), round(12 * k), round(10 * k), round(12 * k) + width - 1, TREE_LINE)
    canvas.rect(round(6 * k), round(4 * k), round(10 * k), round(4 * k) + width - 1, TREE_LINE)
    _cube(canvas, 0, 0, 6, k)
    _cube(canvas, 9.5, 0.5, 6, k)
    _cube(canvas, 9.5, 8.5, 6, k)
    return canvas


def nebrok(size):
    """A globe with an arrow coming down out of it."""
    k = size / 16
    canvas = Canvas(size, size)
    draw_globe(canvas, 6.5 * k, 6.5 * k, 6.3 * k, grid=size >= 48)
    shape = Canvas(size, size)
    shape.polygon([(k * x, k * y) for x, y in arrow_points((12, 6), (12, 16), 3.6, 8, 4.5)], GREEN)
    shape.outline(DARK_GREEN)
    canvas.paste(shape)
    return canvas
