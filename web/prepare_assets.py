#!/usr/bin/python3
"""Turns the committed pictures and fonts into what a browser takes: for the
program's file package, each card picture and About's picture as PNG at its
three densities, the hand cursors as they are and the window's icon; for the
page itself, the back's PNGs (the first frame, drawn before the program runs,
shows them), the game's fonts as WOFF2, and the password box's font, whose
bullet is the designed "*", since a browser masks a password with bullets
whatever the page asks.
Usage: prepare_assets.py <assets folder> <package folder> <page folder>"""

import pathlib
import shutil
import sys

from fontTools import subset
from fontTools.ttLib import TTFont
from PIL import Image

ASSETS, PACKAGE, PAGE = (pathlib.Path(p) for p in sys.argv[1:4])
# Every face the generator drew (face00.bmp, face01.bmp, ...), the back and About's picture.
PICTURES = sorted(p.stem for p in ASSETS.glob("face[0-9][0-9].bmp")) + ["back", "about_picture"]
DENSITIES = ["", "@1.5x", "@2x"]
# What browsers mask a password with: Chromium's bullet, Firefox's black circle.
BULLETS = [0x2022, 0x25CF]


def password_font(source, target):
    # The regular face cut down to its asterisk, drawn for the bullets too.
    font = TTFont(source)
    asterisk = font.getBestCmap()[ord("*")]
    for table in font["cmap"].tables:
        if table.isUnicode():
            for bullet in BULLETS:
                table.cmap[bullet] = asterisk
    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = ["*"]
    cutter = subset.Subsetter(options)
    cutter.populate(unicodes=[ord("*"), *BULLETS])
    cutter.subset(font)
    font["name"].setName("Duomira Password", 1, 3, 1, 0x409)
    font.flavor = "woff2"
    font.save(target)


def main():
    (PACKAGE / "pictures").mkdir(parents=True, exist_ok=True)
    (PAGE / "fonts").mkdir(parents=True, exist_ok=True)
    for picture in PICTURES:
        for density in DENSITIES:
            with Image.open(ASSETS / f"{picture}{density}.bmp") as image:
                image.save(PACKAGE / "pictures" / f"{picture}{density}.png",
                                          optimize=True)
    for density in DENSITIES:
        shutil.copyfile(ASSETS / f"hand{density}.cur", PACKAGE / "pictures" / f"hand{density}.cur")
        shutil.copyfile(PACKAGE / "pictures" / f"back{density}.png", PAGE / f"back{density}.png")
    for font in (ASSETS / "fonts").glob("*.ttf"):
        woff2 = TTFont(font)
        woff2.flavor = "woff2"
        woff2.save(PAGE / "fonts" / (font.stem + ".woff2"))
    password_font(ASSETS / "fonts" / "DuomiraGothic-Regular.ttf",
                  PAGE / "fonts" / "DuomiraPassword.woff2")
    with Image.open(ASSETS / "icon.ico") as icon:
        icon.save(PACKAGE / "pictures" / "icon.png")
    shutil.copyfile(ASSETS / "fonts" / "OFL.txt", PAGE / "OFL.txt")


main()
