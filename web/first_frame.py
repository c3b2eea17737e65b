#!/usr/bin/python3
"""Draws the page's first frame into its HTML: the program just built runs in
headless Chromium until it has dealt, and its main window, as it stands then,
goes into index.html, so that a player sees the window while the program
still loads. What belongs to the running program comes out: its handlers,
the names and roles screen readers would meet twice, the focus stops and its
object URLs (the cards show the back's files beside the page). Its texts are
drawn in the game's fonts cut down to the frame's own characters, a few KB
written into the page with its style sheet, so that the frame waits for no
file but the back's picture: each cut face is its family's face for those
characters alone (its unicode-range), and the whole face, fetched by the
program, draws all others. The program takes the frame over as it starts.
The window is centred by a rule that places it where the program will: the
free space halved, a half pixel up.
Usage: first_frame.py <index.html template> <style sheet> <page folder>"""

import base64
import functools
import html as entities
import http.server
import io
import pathlib
import re
import sys
import threading
import time

from fontTools import subset
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

TEMPLATE, STYLE, PAGE = (pathlib.Path(p) for p in sys.argv[1:4])
PLACE = "<!-- first frame -->"
STYLE_LINK = '<link rel="stylesheet" href="style.css">'
DEALT = """
const w = document.querySelector('.window'), slots = w ? w.querySelectorAll('.slot') : [];
return slots.length === 24 && [...slots].every(s => s.getAttribute('aria-label').endsWith(', 뒷면'))
    && document.fonts.status === 'loaded'
    && [...w.querySelectorAll('img')].every(i => i.complete && i.naturalWidth);"""
DEAL_SECONDS = 120  # a few at most here, with room for a machine four times slower
WINDOW = """const w = document.querySelector('.window');
return [w.outerHTML, w.offsetWidth, w.offsetHeight, document.documentElement.style.cssText];"""
BACKS = 'srcset="back.png 1x, back@1.5x.png 1.5x, back@2x.png 2x"'
CENTRED = ("#first-frame {{ z-index: 1; left: max(0px, round(up, (100vw - {0}px) / 2, 1px));"
           " top: max(0px, round(up, (100vh - {1}px) / 2, 1px)); }}")
# The first frame's faces: the family each stands in for, its weight, its file.
FACES = [("Duomira Gothic", 400, "DuomiraGothic-Regular"), ("Duomira Gothic", 700, "DuomiraGothic-Bold"),
         ("Duomira Gothic Coding", 400, "DuomiraGothicCoding-Regular")]


def serve(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def dealt_window(address):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--window-size=1000,700", "--force-device-scale-factor=1"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(address)
        deadline = time.monotonic() + DEAL_SECONDS
        while not driver.execute_script(DEALT):
            if time.monotonic() > deadline:
                sys.exit(f"first_frame.py: the program did not deal within {DEAL_SECONDS} s: " +
                         "; ".join(entry["message"] for entry in driver.get_log("browser")))
            time.sleep(0.05)
        return driver.execute_script(WINDOW)
    finally:
        driver.quit()


def still_picture(html):
    html = re.sub(r' (data-[\w-]+|role|tabindex|aria-[\w-]+)="[^"]*"', "", html)
    html = re.sub(r'srcset="blob:[^"]*"', BACKS, html)
    html = re.sub(r" cursor: image-set\(.*?\) 0 0, pointer;", "", html)
    html = re.sub(r'^<div class="window" style="[^"]*"',
                  '<div class="window" id="first-frame" inert aria-hidden="true"', html)
    if "blob:" in html or 'id="first-frame"' not in html:
        sys.exit("first_frame.py: the window holds what the page cannot show without the program")
    return html


def first_fonts(html):
    # Each face cut down to the characters the frame shows.
    text = entities.unescape(re.sub(r"<[^>]*>", "", html)) + " "
    characters = ", ".join(f"U+{ord(c):X}" for c in sorted(set(text)))
    rules = []
    for family, weight, name in FACES:
        options = subset.Options()
        options.flavor = "woff2"
        font = subset.load_font(PAGE / "fonts" / f"{name}.woff2", options)
        cutter = subset.Subsetter(options)
        cutter.populate(text=text)
        cutter.subset(font)
        cut = io.BytesIO()
        subset.save_font(font, cut, options)
        data = base64.b64encode(cut.getvalue()).decode()
        rules.append(f'@font-face {{ font-family: "{family}"; font-weight: {weight}; '
                     f'unicode-range: {characters}; src: url(data:font/woff2;base64,{data}); }}')
    return "\n".join(rules)


def main():
    # The style sheet goes into the page: one file fewer before the first frame.
    style = "<style>\n" + STYLE.read_text(encoding="utf-8") + "/* first frame */</style>"
    template = TEMPLATE.read_text(encoding="utf-8").replace(STYLE_LINK, style)
    (PAGE / "index.html").write_text(template.replace(PLACE, ""), encoding="utf-8")
    server = serve(PAGE)
    try:
        html, width, height, colours = dealt_window(f"http://127.0.0.1:{server.server_port}/")
    finally:
        server.shutdown()
    html = still_picture(html)
    fonts = first_fonts(html)
    # The program's colours, set on the page's root, are the frame's too.
    first = f"{fonts}\n:root {{ {colours} }}\n{CENTRED.format(width, height)}\n"
    page = template.replace(PLACE, html).replace("/* first frame */", first)
    (PAGE / "index.html").write_text(page, encoding="utf-8")


main()
