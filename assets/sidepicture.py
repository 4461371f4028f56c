"""The updater's side picture: a globe, an arrow down, and a computer, on a blue ground."""
from globe import draw_globe
from raster import Canvas, arrow_points, mix

WIDTH, HEIGHT = 115, 229
GROUND_TOP = (0, 20, 110)
GROUND_BOTTOM = (40, 110, 210)
CASE = (200, 200, 196)
CASE_SHADE = (130, 130, 126)
SCREEN = (0, 40, 120)
ARROW = (250, 210, 30)
ARROW_EDGE = (150, 100, 0)


def _ground(canvas):
    for y in range(HEIGHT):
        canvas.rect(0, y, WIDTH - 1, y, mix(GROUND_TOP, GROUND_BOTTOM, y / (HEIGHT - 1)))


def _arrow(canvas):
    shape = Canvas(WIDTH, HEIGHT)
    shape.polygon(arrow_points((57.5, 96), (57.5, 151), 16, 36, 20), ARROW)
    shape.outline(ARROW_EDGE)
    canvas.paste(shape)


def _computer(canvas):
    canvas.rect(18, 150, 96, 199, CASE)
    canvas.frame(18, 150, 96, 199, CASE_SHADE)
    canvas.rect(25, 156, 89, 192, SCREEN)
    for y in range(157, 192, 2):
        canvas.rect(26, y, 88, y, mix(SCREEN, (60, 140, 255), (y - 157) / 60))
    canvas.rect(47, 200, 67, 206, CASE_SHADE)
    canvas.rect(12, 207, 102, 220, CASE)
    canvas.frame(12, 207, 102, 220, CASE_SHADE)
    canvas.rect(80, 212, 96, 214, CASE_SHADE)
    canvas.rect(86, 160, 87, 161, (0, 220, 0))


def draw():
    canvas = Canvas(WIDTH, HEIGHT)
    _ground(canvas)
    draw_globe(canvas, 57.5, 50, 40)
    _arrow(canvas)
    _computer(canvas)
    return canvas
