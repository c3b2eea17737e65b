#!/usr/bin/python3
"""Makes the game's own Hangul fonts, assets/fonts/*.ttf: the fonts-nanum faces
that draw its texts today, cut down to the characters it shows and renamed, as
the SIL Open Font License asks of a modified version (the originals' family
names are Reserved Font Names). Run by hand after a text changes, like the
picture generator, and commit what it writes:

    scripts/make-fonts.py        # needs python3-fonttools and fonts-nanum

The characters are every printable ASCII character, every character inside a
string literal of the program's C++ sources (game/, forms/, dialogs/, qt/,
win32/, web/ and assets/), Qt's Korean texts of the password box's context menu,
and the Hanja FreeType's auto-hinter measures Hangul fonts by. The test
GameFonts.DrawEveryCharacterOfTheSourcesLiterals (tests/PicturesTest.cpp)
checks the same literals against the committed fonts.
"""
import pathlib
import re
import struct

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
NANUM = pathlib.Path("/usr/share/fonts/truetype/nanum")
QT_KOREAN = pathlib.Path("/usr/share/qt6/translations/qtbase_ko.qm")
OUTPUT = ROOT / "assets" / "fonts"

# (original file, new family, style, new file)
FONTS = [
    ("NanumGothic.ttf", "Duomira Gothic", "Regular", "DuomiraGothic-Regular.ttf"),
    ("NanumGothicBold.ttf", "Duomira Gothic", "Bold", "DuomiraGothic-Bold.ttf"),
    ("NanumGothicCoding.ttf", "Duomira Gothic Coding", "Regular",
     "DuomiraGothicCoding-Regular.ttf"),
]
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# FreeType's auto-hinter, which draws Hangul at fontconfig's usual light
# hinting, measures a font's CJK glyphs on these (its blue zones and standard
# stems, as in FreeType's afblue.dat): without them the subset would be
# hinted otherwise than the full font, and look it.
AUTOHINTER_CJK = ("他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要"
                  "軍那配里開雷露面顾个为人以個大有主些因它想意生當看着者自著裡过还进進過道還田囗")


def source_files():
    for folder in ("game", "forms", "dialogs", "qt", "win32", "web", "assets"):
        for pattern in ("*.h", "*.cpp"):
            yield from sorted((ROOT / folder).rglob(pattern))


def literal_characters():
    found = set()
    for path in source_files():
        for literal in LITERAL.findall(path.read_text(encoding="utf-8")):
            found.update(literal)
    return found


def qt_translations(contexts):
    """The Korean texts of Qt's own translation file for these classes. A .qm
    file is a magic number and tagged sections; the messages section holds,
    for each message, tagged fields up to an end tag (1): 3 the UTF-16
    translation, 5 a flag without data, 6 source, 7 context and 8 comment."""
    data = QT_KOREAN.read_bytes()
    sections, at = {}, 16
    while at < len(data):
        (length,) = struct.unpack(">I", data[at + 1:at + 5])
        sections[data[at]] = data[at + 5:at + 5 + length]
        at += 5 + length
    messages, at, fields, texts = sections[0x69], 0, {}, []
    while at < len(messages):
        tag = messages[at]
        at += 1
        if tag == 1:
            if fields.get(7) in contexts and 3 in fields:
                texts.append(fields[3].decode("utf-16-be"))
            fields = {}
        elif tag != 5:
            (length,) = struct.unpack(">I", messages[at:at + 4])
            length = 0 if length == 0xFFFFFFFF else length
            fields[tag] = messages[at + 4:at + 4 + length]
            at += 4 + length
    return texts


def characters():
    chars = {chr(c) for c in range(0x20, 0x7F)} | literal_characters() | set(AUTOHINTER_CJK)
    for text in qt_translations({b"QLineEdit"}):
        chars.update(text)
    return sorted(c for c in chars if c.isprintable())


def rename(font, family, style, original):
    """Names the subset for the game; the copyright and trademark notices stay."""
    name = font["name"]
    postscript = f"{family.replace(' ', '')}-{style}"
    full = family if style == "Regular" else f"{family} {style}"
    version = name.getDebugName(5)
    name.names = [n for n in name.names if n.nameID in (0, 7, 8, 9, 11, 12)
                  and n.platformID == 3 and n.langID == 0x409]
    for name_id, text in {
        1: family, 2: style, 3: f"{postscript};{version}", 4: full, 5: version, 6: postscript,
        10: f"The characters the game Duomira shows, taken from {original} (fonts-nanum).",
        13: "This Font Software is licensed under the SIL Open Font License, Version 1.1.",
        14: "https://openfontlicense.org",
    }.items():
        name.setName(text, name_id, 3, 1, 0x409)
    font["post"].formatType = 3.0  # no glyph names: the originals' are of no use here


def make(source, family, style, target, chars):
    options = subset.Options()
    options.drop_tables += ["TSI0", "TSI1", "TSI2", "TSI3", "TSI5"]  # the hinting tool's sources
    # The OS/2 ranges stay the originals': GDI takes a font's charsets, Hangul
    # among them, from its code pages (newer fontTools would prune them too).
    options.prune_unicode_ranges = False
    options.prune_codepage_ranges = False
    font = TTFont(NANUM / source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in chars])
    subsetter.subset(font)
    rename(font, family, style, source.removesuffix(".ttf"))
    font.save(OUTPUT / target)
    return (OUTPUT / target).stat().st_size


def main():
    chars = characters()
    OUTPUT.mkdir(parents=True, exist_ok=True)
    for source, family, style, target in FONTS:
        size = make(source, family, style, target, chars)
        print(f"{target}: {len(chars)} characters, {size} bytes")


if __name__ == "__main__":
    main()
