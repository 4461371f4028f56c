"""Draws the icons and pictures of both components into the folder given as the argument."""
import os
import sys

import glyphs
import icons
import sidepicture
from imagefile import bmp_bytes, ico_bytes
from raster import strip


def pictures():
    button_pair = [strip([g, glyphs.greyed(g)]) for g in (glyphs.book_with_arrow(),
                                                          glyphs.book_with_cross())]
    return {
        "Tavisk.ico": ico_bytes([icons.tavisk(32), icons.tavisk(16)]),
        "TreeView.bmp": bmp_bytes(strip([draw() for draw in glyphs.TREE_VIEW])),
        "Buttons.bmp": bmp_bytes(strip(button_pair)),
        "GlyphRefresh.bmp": bmp_bytes(glyphs.page_with_circling_arrows()),
        "GlyphAddGuid.bmp": bmp_bytes(glyphs.lightning_bolt()),
        "GlyphUpdate.bmp": bmp_bytes(glyphs.folder_with_arrow()),
        "GlyphCancel.bmp": bmp_bytes(glyphs.page_with_arrow()),
        "Nebrok.ico": ico_bytes([icons.nebrok(32), icons.nebrok(16)]),
        "SidePicture.bmp": bmp_bytes(sidepicture.draw()),
    }


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, data in pictures().items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
