#!/usr/bin/python3
"""Packs the built page into one HTML file that plays when opened from disk,
with no server: the program and its WebAssembly (which carries the pictures)
inside it, gzip-compressed as a web server would send them and unpacked by
the browser's own DecompressionStream; the fonts and the first frame's backs
as data URLs.
A browser fetches nothing from a page opened as a file, so nothing may stay
outside. The file goes into a zip with the licences, written as the Windows
download is, so that the same page makes the same bytes in any clone.
Usage: single_file.py <page folder> <zip> <licence file> <fonts' licence file>"""

import base64
import gzip
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "packaging"))
import fixed_zip  # noqa: E402  (the Windows download's zip writer)

PAGE, ZIP = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
LICENCES = [pathlib.Path(p) for p in sys.argv[3:5]]
HTML_NAME = "duomira.html"


def data_url(path, kind):
    return f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode()


# Runs the program once both are unpacked, as the served page's loader does.
UNPACK = """<script>
const unpack = packed => new Response(new Blob([Uint8Array.from(atob(packed), c => c.charCodeAt(0))])
    .stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer();
Promise.all([unpack("%s"), unpack("%s")]).then(([wasm, program]) => {
  window.Module = {wasmBinary: new Uint8Array(wasm)};
  document.body.appendChild(document.createElement("script")).text = new TextDecoder().decode(program);
});
</script>"""


def packed(path):
    # No time and no name in the gzip header: the same bytes from any build.
    return base64.b64encode(gzip.compress(path.read_bytes(), 9, mtime=0)).decode()


def single_page():
    page = (PAGE / "index.html").read_text(encoding="utf-8")
    for font in sorted((PAGE / "fonts").glob("*.woff2")):
        page = page.replace(f"url(fonts/{font.name})", f"url({data_url(font, 'font/woff2')})")
    # The first frame's 24 backs share one set of data URLs, given them by a
    # script as the frame is read: written into each, they would weigh 24 times.
    backs = re.findall(r' srcset="([^"]*)"', page)
    page = page.replace(f' srcset="{backs[0]}"', "")
    for back in sorted(PAGE.glob("back*.png"), reverse=True):  # back@2x before back
        backs[0] = backs[0].replace(f"{back.name} ", f"{data_url(back, 'image/png')} ")
    page = re.sub(r'(<div class="window" id="first-frame".*\n)', lambda frame: frame[1] + (
        '<script>document.querySelectorAll("#first-frame img").forEach(back => back.srcset = "%s")'
        '</script>\n' % backs[0]), page, count=1)
    # The loader and the notice for a page opened from disk give way to the
    # program itself, its WebAssembly handed over as bytes.
    page = re.sub(r'<template id="from-disk">.*?</template>\n', "", page, flags=re.S)
    program = UNPACK % (packed(PAGE / "duomira.wasm"), packed(PAGE / "duomira.js"))
    page, loaders = re.subn(r"<script>\nif \(location\.protocol.*?</script>", "<!-- program -->",
                            page, flags=re.S)
    if loaders != 1 or re.search(r'url\((?!data:)|(src|srcset|href)="(?!data:)[^"]+"', page):
        sys.exit("single_file.py: the page still loads something beside it")
    return page.replace("<!-- program -->", program).encode("utf-8")


def main():
    fixed_zip.write(ZIP, [(HTML_NAME, single_page())] + [(l.name, l.read_bytes()) for l in LICENCES])


main()
