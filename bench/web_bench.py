# The page's budgets: what a browser downloads for it, compressed as a web
# server sends it (gzip -9), at most 400 KB; its first complete frame (the
# window with its 24 card backs drawn, in the game's fonts) at most 1.5 times
# that of a static page drawing the same 24 backs, both measured side by side
# in the same headless Chromium, alternating, the median of each; and the
# download that plays from disk (`make web-dist`), its one HTML file and the
# zip holding it each at most 600 KB.
# Usage: web_bench.py <page folder> <assets folder>

import functools
import gzip
import http.server
import pathlib
import statistics
import subprocess
import sys
import tempfile
import threading
import zipfile

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

PAGE, ASSETS = map(pathlib.Path, sys.argv[1:3])
RUNS = 9
TRANSFER_LIMIT = 400 * 1024
DOWNLOAD_LIMIT = 600 * 1024
FRAME_LIMIT = 1.5
LOADED = ["index.html", "duomira.js", "duomira.wasm", "back.png", "back@1.5x.png",
          "back@2x.png", "fonts/DuomiraGothic-Regular.woff2", "fonts/DuomiraGothic-Bold.woff2",
          "fonts/DuomiraGothicCoding-Regular.woff2", "fonts/DuomiraPassword.woff2"]
# Polls each animation frame from the start until 24 card pictures are drawn
# and the fonts are ready; the time of that frame since navigation began (as
# it runs: a frame's own timestamp is when it was due, before a long task).
WATCH = """
window.firstComplete = new Promise(done => {
  const look = () => {
    const backs = [...document.querySelectorAll('img')].filter(i => i.complete && i.naturalWidth);
    if (backs.length >= 24 && document.fonts.status === 'loaded') done(performance.now());
    else requestAnimationFrame(look);
  };
  requestAnimationFrame(look);
});"""
STATIC = """<!DOCTYPE html><html><head><meta charset="utf-8"><style>
body { margin: 0; background: #008080; } div { position: absolute; background: #c0c0c0;
left: 100px; top: 100px; width: 644px; height: 323px; } img { position: absolute; }
</style></head><body><div>%s</div></body></html>"""


def serve(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_port}/"


def first_frame(driver, address):
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.get(address)
    return driver.execute_async_script("window.firstComplete.then(arguments[0])")


def download_sizes():
    source = ASSETS.parent
    with tempfile.TemporaryDirectory() as work:
        packed = pathlib.Path(work, "page.zip")
        subprocess.run(["/usr/bin/python3", source / "web/single_file.py", PAGE, packed,
                        source / "LICENSE", source / "assets/fonts/OFL.txt"], check=True)
        with zipfile.ZipFile(packed) as download:
            return download.getinfo("duomira.html").file_size, packed.stat().st_size


def main():
    transfer = sum(len(gzip.compress((PAGE / name).read_bytes(), 9)) for name in LOADED)
    print(f"transfer: {transfer / 1024:.0f} KB compressed (budget {TRANSFER_LIMIT // 1024} KB)")
    html, packed = download_sizes()
    print(f"download: HTML file {html / 1024:.0f} KB, zip {packed / 1024:.0f} KB "
          f"(budget {DOWNLOAD_LIMIT // 1024} KB each)")

    static = tempfile.mkdtemp(prefix="duomira-static-")
    Image.open(ASSETS / "back.bmp").save(f"{static}/back.png")
    slots = "".join(f'<img src="back.png" style="left:{7 + 79 * (c % 8)}px;top:{16 + 102 * (c // 8)}px">'
                    for c in range(24))
    pathlib.Path(static, "index.html").write_text(STATIC % slots, encoding="utf-8")

    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking", "--disable-sync",
                     "--disable-component-update", "--window-size=1000,700"):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
        game, yardstick = serve(PAGE), serve(static)
        times = {"page": [], "static": []}
        for _ in range(RUNS):
            times["page"].append(first_frame(driver, game))
            times["static"].append(first_frame(driver, yardstick))
    finally:
        driver.quit()
    page, plain = statistics.median(times["page"]), statistics.median(times["static"])
    print(f"first complete frame: page {page:.0f} ms, static page {plain:.0f} ms: "
          f"{page / plain:.2f}x (budget {FRAME_LIMIT}x)")
    if transfer > TRANSFER_LIMIT or page > FRAME_LIMIT * plain or max(html, packed) > DOWNLOAD_LIMIT:
        sys.exit("the page is over its budget")


main()
