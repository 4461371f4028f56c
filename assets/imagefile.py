"""Encodes canvases as Windows bitmap files (24 bits) and icon resources (32 bits with mask)."""
import struct

from raster import FUCHSIA


def _rows_bgr(canvas):
    """Bottom-up rows of BGR bytes, each padded to a multiple of four bytes."""
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for r, g, b in canvas.pixels[y]:
            row += bytes((b, g, r))
        row += b"\0" * (-len(row) % 4)
        rows.append(bytes(row))
    return b"".join(rows)


def _info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def bmp_bytes(canvas):
    pixels = _rows_bgr(canvas)
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + _info_header(canvas.width, canvas.height, 24, len(pixels)) + pixels


def _icon_image(canvas, key):
    """One icon image: BGRA colour rows and the AND mask, both bottom-up, height doubled."""
    colour = bytearray()
    mask = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        bits = 0
        row_mask = bytearray()
        for x, (r, g, b) in enumerate(canvas.pixels[y]):
            clear = (r, g, b) == key
            colour += bytes((0, 0, 0, 0)) if clear else bytes((b, g, r, 255))
            bits = (bits << 1) | clear
            if x % 8 == 7:
                row_mask.append(bits)
                bits = 0
        if canvas.width % 8:
            row_mask.append(bits << (8 - canvas.width % 8))
        row_mask += b"\0" * (-len(row_mask) % 4)
        mask += row_mask
    header = _info_header(canvas.width, canvas.height * 2, 32, len(colour) + len(mask))
    return header + bytes(colour) + bytes(mask)


def icon_images(canvases, key=FUCHSIA):
    """The images of an icon as they are stored as resources, the key colour transparent."""
    return [_icon_image(c, key) for c in canvases]


def icon_group(canvases, images, first_id):
    """The icon group resource that lists the images, numbered from first_id."""
    group = struct.pack("<HHH", 0, 1, len(images))
    for n, (canvas, image) in enumerate(zip(canvases, images)):
        group += struct.pack("<BBBBHHIH", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32,
                             len(image), first_id + n)
    return group
