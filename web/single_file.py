#!/usr/bin/python3
"""Packs the built page into one HTML file that plays when opened from disk,
with no server: the program and its WebAssembly (which carries the pictures)
inside it as scripts, the fonts and the first frame's backs as data URLs.
A browser fetches nothing from a page opened as a file, so nothing may stay
outside. The file goes into a zip with the licences, every entry with one
fixed time and mode, so that the same page makes the same bytes in any clone.
Usage: single_file.py <page folder> <zip> <licence file> <fonts' licence file>"""

import base64
import pathlib
import re
import sys
import zipfile

PAGE, ZIP = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
LICENCES = [pathlib.Path(p) for p in sys.argv[3:5]]
HTML_NAME = "duomira.html"
FIXED_TIME = (1980, 1, 1, 0, 0, 0)  # the earliest a zip can say


def data_url(path, kind):
    return f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode()


def inline_script(text):
    return "<script>" + text.replace("</script", "<\\/script") + "</script>"


def single_page():
    page = (PAGE / "index.html").read_text(encoding="utf-8")
    for font in sorted((PAGE / "fonts").glob("*.woff2")):
        page = page.replace(f"url(fonts/{font.name})", f"url({data_url(font, 'font/woff2')})")
    for back in sorted(PAGE.glob("back*.png"), reverse=True):  # back@2x before back
        page = page.replace(f"{back.name} ", f"{data_url(back, 'image/png')} ")
    # The loader and the notice for a page opened from disk give way to the
    # program itself, its WebAssembly handed over as bytes.
    page = re.sub(r'<template id="from-disk">.*?</template>\n', "", page, flags=re.S)
    wasm = base64.b64encode((PAGE / "duomira.wasm").read_bytes()).decode()
    program = (inline_script('var Module = {wasmBinary: Uint8Array.from(atob("' + wasm +
                             '"), c => c.charCodeAt(0))};') +
               inline_script((PAGE / "duomira.js").read_text(encoding="utf-8")))
    page, loaders = re.subn(r"<script>\nif \(location\.protocol.*?</script>", "<!-- program -->",
                            page, flags=re.S)
    if loaders != 1 or re.search(r'url\((?!data:)|(src|srcset|href)="(?!data:)[^"]+"', page):
        sys.exit("single_file.py: the page still loads something beside it")
    return page.replace("<!-- program -->", program).encode("utf-8")


def entry(name):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    return info


def main():
    with zipfile.ZipFile(ZIP, "w") as packed:
        packed.writestr(entry(HTML_NAME), single_page())
        for licence in LICENCES:
            packed.writestr(entry(licence.name), licence.read_bytes())


main()
