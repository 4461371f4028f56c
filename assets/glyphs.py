"""The 16 x 16 pictures of the tree, menus and toolbar buttons, on a fuchsia ground."""
import math

from raster import Canvas, FUCHSIA, arrow_points

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
NAVY = (0, 0, 128)
SKY = (64, 128, 255)
RED = (224, 0, 0)
DARK_RED = (128, 0, 0)
GREEN = (0, 160, 0)
DARK_GREEN = (0, 96, 0)
FOLDER = (255, 208, 64)
FOLDER_LIGHT = (255, 236, 150)
FOLDER_EDGE = (160, 112, 0)
BROWN = (150, 80, 20)
DARK_BROWN = (90, 45, 10)
GOLD = (232, 184, 0)
GOLD_EDGE = (128, 88, 0)
CREAM = (240, 210, 150)

SIZE = 16


def blank():
    return Canvas(SIZE, SIZE)


def outlined(draw, edge):
    """A shape drawn by draw(canvas) on its own, with a border of the edge colour."""
    canvas = blank()
    draw(canvas)
    return canvas.outline(edge)


def over(*layers):
    """Stacks layers, the first at the bottom."""
    canvas = blank()
    for layer in layers:
        canvas.paste(layer)
    return canvas


def page(left=2, right=13):
    """A sheet with a folded top right corner."""
    canvas = blank()
    fold = right - 4
    for y in range(SIZE):
        for x in range(left, right + 1):
            beyond = x - fold - y
            if beyond > 0:
                continue
            border = x in (left, right) or y in (0, SIZE - 1) or beyond == 0
            canvas.set(x, y, BLACK if border else WHITE)
    for i in range(1, 4):
        canvas.set(fold, i, GREY)
        canvas.set(fold + i, 4, GREY)
        for x in range(fold + 1, fold + i):
            canvas.set(x, i, SILVER)
    return canvas


def text_lines(canvas, left=4, right=11, rows=(6, 8, 10, 12)):
    for y in rows:
        canvas.rect(left, y, right, y, SILVER)


def computer():
    canvas = blank()
    canvas.rect(1, 1, 14, 10, SILVER)
    canvas.frame(1, 1, 14, 10, BLACK)
    canvas.rect(3, 3, 12, 8, NAVY)
    canvas.rect(4, 4, 7, 4, SKY)
    canvas.rect(6, 11, 9, 12, GREY)
    canvas.rect(2, 13, 13, 14, SILVER)
    canvas.frame(2, 13, 13, 14, BLACK)
    return canvas


def magnifier():
    def draw(canvas):
        canvas.thick_line(11.5, 11.5, 14.5, 14.5, 2.2, DARK_BROWN)
        canvas.ellipse(8.5, 8.5, 4.5, 4.5, BLACK)
        canvas.ellipse(8.5, 8.5, 3.2, 3.2, (190, 230, 255))
        canvas.rect(7, 7, 7, 7, WHITE)
    canvas = blank()
    draw(canvas)
    return canvas


def page_with_magnifier():
    sheet = page()
    text_lines(sheet)
    return over(sheet, magnifier())


def folder_closed():
    canvas = blank()
    canvas.rect(1, 3, 6, 4, FOLDER)
    canvas.rect(1, 5, 14, 13, FOLDER)
    canvas.rect(2, 6, 13, 6, FOLDER_LIGHT)
    return canvas.outline(FOLDER_EDGE)


def folder_open():
    back = blank()
    back.rect(0, 3, 5, 4, FOLDER)
    back.rect(0, 5, 12, 13, FOLDER)
    back.outline(FOLDER_EDGE)
    flap = outlined(lambda c: c.polygon([(3, 7), (16, 7), (13, 14), (0, 14)], FOLDER_LIGHT),
                    FOLDER_EDGE)
    return over(back, flap)


def calendar():
    canvas = blank()
    canvas.rect(1, 2, 14, 15, WHITE)
    canvas.rect(1, 2, 14, 5, RED)
    canvas.frame(1, 2, 14, 15, BLACK)
    for x in (4, 11):
        canvas.rect(x, 0, x, 3, GREY)
    for y in (7, 10, 13):
        for x in (3, 6, 9, 12):
            canvas.rect(x, y, x + 1, y + 1, GREY)
    canvas.rect(9, 10, 10, 11, RED)
    return canvas


def bitmap_text(canvas, rows, left, top, colour):
    """Draws a small bitmap font glyph given as rows of '#' and '.'."""
    for dy, row in enumerate(rows):
        for dx, mark in enumerate(row):
            if mark == "#":
                canvas.set(left + dx, top + dy, colour)


LETTER_A = [".###.", "....#", ".####", "#...#", ".####"]
LETTER_B = ["#....", "#....", "####.", "#...#", "#...#", "#...#", "####."]
DIGITS = {"0": ["###", "#.#", "#.#", "#.#", "###"], "1": [".#.", "##.", ".#.", ".#.", "###"]}


def letters_ab():
    canvas = blank()
    canvas.rect(0, 3, 15, 13, WHITE)
    canvas.frame(0, 3, 15, 13, GREY)
    bitmap_text(canvas, LETTER_A, 2, 7, DARK_RED)
    bitmap_text(canvas, LETTER_B, 9, 5, DARK_RED)
    return canvas


def binary_digits():
    canvas = blank()
    canvas.rect(0, 0, 15, 14, WHITE)
    canvas.frame(0, 0, 15, 14, GREY)
    for top, word in ((2, "010"), (8, "110")):
        for i, digit in enumerate(word):
            bitmap_text(canvas, DIGITS[digit], 2 + 4 * i, top, NAVY)
    return canvas


def arrow(tail, tip, colour, edge, shaft=3.0, head=7.0, head_length=4.0):
    return outlined(lambda c: c.polygon(arrow_points(tail, tip, shaft, head, head_length), colour),
                    edge)


def page_with_arrow():
    sheet = page(1, 11)
    text_lines(sheet, 3, 9)
    return over(sheet, arrow((6, 10), (16, 10), BLACK, BLACK, shaft=2.0, head=8.0, head_length=5.0))


def folder_with_arrow():
    return over(folder_closed(), arrow((11, 0), (11, 11), GREEN, DARK_GREEN, head=8.0))


def book():
    """A closed book seen from the front: cover, spine with bands, and the page block below."""
    canvas = blank()
    canvas.rect(2, 1, 13, 15, DARK_BROWN)
    canvas.rect(4, 12, 13, 14, WHITE)
    canvas.rect(5, 13, 13, 13, SILVER)
    canvas.rect(2, 0, 12, 11, BROWN)
    canvas.frame(2, 0, 12, 11, DARK_BROWN)
    canvas.rect(4, 1, 4, 10, DARK_BROWN)
    for y in (2, 9):
        canvas.rect(2, y, 3, y, GOLD)
    canvas.rect(6, 3, 10, 5, CREAM)
    canvas.rect(7, 4, 9, 4, BROWN)
    return canvas


def red_cross():
    def draw(c):
        c.thick_line(1.5, 1.5, 14.5, 14.5, 3.0, RED)
        c.thick_line(14.5, 1.5, 1.5, 14.5, 3.0, RED)
    return outlined(draw, DARK_RED)


def cross_overlay(left=9, top=9, size=6):
    """A small red X with a white rim, laid over a picture's lower right to say "removed"."""
    canvas = blank()
    for i in range(size):
        for dx in (0, 1):
            canvas.set(left + i + dx, top + i, RED)
            canvas.set(left + size - i + dx - 1, top + i, RED)
    return canvas.halo(WHITE)


def red_plus():
    def draw(c):
        c.rect(6, 1, 9, 14, RED)
        c.rect(1, 6, 14, 9, RED)
    return outlined(draw, DARK_RED)


def book_with_arrow():
    return over(book(), arrow((16, 10), (7, 10), GREEN, DARK_GREEN, shaft=2.4, head=7.0))


def book_with_cross():
    return over(book(), cross_overlay())


def circling_arrows(cx=7.5, cy=9.0, outer=5.2, inner=3.2):
    """Two arcs chasing each other clockwise, each ending in a head."""
    def head(c, end):
        def at(radius, angle):
            return (cx + radius * math.cos(math.radians(angle)),
                    cy + radius * math.sin(math.radians(angle)))
        c.polygon([at(inner - 2.2, end), at(outer + 2.2, end), at((inner + outer) / 2, end + 60)],
                  GREEN)

    def draw(c):
        for start in (180, 0):
            c.ring(cx, cy, outer, inner, GREEN, start + 20, start + 115)
            head(c, start + 115)
    canvas = blank()
    draw(canvas)
    return canvas


def page_with_circling_arrows():
    return over(page(), circling_arrows())


def key(left, top, colour, edge):
    """A key lying to the right: round bow with a hole, shaft, two teeth below its end."""
    def draw(c):
        c.ellipse(left + 3.5, top + 3.5, 3.5, 3.5, colour)
        c.rect(left + 6, top + 2, left + 15, top + 4, colour)
        c.rect(left + 10, top + 5, left + 11, top + 6, colour)
        c.rect(left + 13, top + 5, left + 15, top + 7, colour)
    canvas = outlined(draw, edge)
    canvas.rect(left + 2, top + 3, left + 3, top + 4, FUCHSIA)
    canvas.frame(left + 1, top + 2, left + 4, top + 5, edge)
    canvas.rect(left + 2, top + 3, left + 3, top + 4, FUCHSIA)
    return canvas


def keys():
    return over(key(0, 0, SILVER, GREY), key(0, 7, GOLD, GOLD_EDGE))


def keys_with_cross():
    return over(keys(), cross_overlay())


def lightning_bolt():
    return outlined(lambda c: c.polygon([(8, 0.5), (2, 9.5), (7, 9.5), (4, 15.5), (14.5, 6), (9.2, 6),
                                         (13.5, 0.5)], (255, 230, 0)), (176, 96, 0))


def pencil():
    def body(c):
        c.thick_line(5, 11, 12.5, 3.5, 3.6, GOLD)
        c.thick_line(12.5, 3.5, 14.3, 1.7, 3.6, (240, 130, 150))
    canvas = outlined(body, BLACK)
    tip = outlined(lambda c: c.polygon([(6.5, 12.6), (3.4, 9.5), (1, 15)], (240, 200, 150)),
                   DARK_BROWN)
    tip.rect(1, 13, 2, 14, BLACK)
    return over(canvas, tip)


TREE_VIEW = [computer, page, page_with_magnifier, folder_closed, folder_open, calendar,
             letters_ab, binary_digits, page_with_arrow, folder_with_arrow, book_with_arrow,
             book_with_cross, page_with_circling_arrows, keys, keys_with_cross, lightning_bolt,
             red_plus, red_cross, pencil]


def greyed(glyph):
    """The disabled look: the same picture in pale greys, so its shape stays readable."""
    def grey(colour):
        r, g, b = colour
        level = round(100 + (0.3 * r + 0.59 * g + 0.11 * b) * 0.5)
        return (level, level, level)
    return glyph.map(grey)
