"""Draws the icons and pictures of both components into the folder given as the argument.

An icon is written as its separate images plus the group that lists them, and a resource
script fragment declares the images. Each component numbers its icon images in a range of its
own, so a module that links both resource sets gets no clash.
"""
import os
import sys

import glyphs
import icons
import sidepicture
from imagefile import bmp_bytes, icon_group, icon_images
from raster import strip

ICON_SIZES = (32, 16)
ICON_IMAGE_IDS = {"Tavisk": 1001, "Nebrok": 2001}


def icon_files(name, draw):
    canvases = [draw(size) for size in ICON_SIZES]
    images = icon_images(canvases)
    first_id = ICON_IMAGE_IDS[name]
    files = {f"{name}Icon.grp": icon_group(canvases, images, first_id)}
    script = "// Drawn by draw_assets.py: the images of one icon (resource type 3, RT_ICON).\n"
    for n, (size, image) in enumerate(zip(ICON_SIZES, images)):
        files[f"{name}Icon{size}.img"] = image
        script += f'{first_id + n} 3 "{name}Icon{size}.img"\n'
    files[f"{name}IconImages.rc"] = script.encode("ascii")
    return files


def pictures():
    button_pair = [strip([g, glyphs.greyed(g)]) for g in (glyphs.book_with_arrow(),
                                                          glyphs.book_with_cross())]
    return {
        **icon_files("Tavisk", icons.tavisk),
        "TreeView.bmp": bmp_bytes(strip([draw() for draw in glyphs.TREE_VIEW])),
        "Buttons.bmp": bmp_bytes(strip(button_pair)),
        "GlyphRefresh.bmp": bmp_bytes(glyphs.page_with_circling_arrows()),
        "GlyphAddGuid.bmp": bmp_bytes(glyphs.lightning_bolt()),
        "GlyphUpdate.bmp": bmp_bytes(glyphs.folder_with_arrow()),
        "GlyphCancel.bmp": bmp_bytes(glyphs.page_with_arrow()),
        **icon_files("Nebrok", icons.nebrok),
        "SidePicture.bmp": bmp_bytes(sidepicture.draw()),
    }


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, data in pictures().items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
