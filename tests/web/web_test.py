# The page in Debian's Chromium, headless, driven through WebDriver: a whole
# game with the mouse and, for one pair, with keys alone, learning each face
# from the names the browser gives screen readers; the miss turned back, the
# status texts, About blocking the board, the reveal, the congratulation and
# the blink, the end command. Each density shows its own pictures. Once
# loaded, the page asks the network for nothing and stores nothing.
# Usage: web_test.py <page folder> <assets folder>

import io
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from xscreen import wait_until  # noqa: E402  (the e2e tests' own waiting)

PAGE, ASSETS = sys.argv[1:3]
del sys.argv[1:3]
SOURCE = os.path.dirname(os.path.abspath(ASSETS))
CAPTION = "토리무나 그림 맞추기 게임"
ALL = "return [...document.querySelectorAll('.slot')].map(s => s.getAttribute('aria-label'))"
TONES = """window.tones = []; const start = OscillatorNode.prototype.start;
OscillatorNode.prototype.start = function (...at) { tones.push(this.frequency.value); return start.apply(this, at); };"""
# Each card's turn with the page's own clock: [card, shows its back, milliseconds].
TURNS = """const pictures = [...document.querySelectorAll('.slot img')], back = pictures[0].srcset;
window.turns = []; new MutationObserver(changes => changes.forEach(c => turns.push(
    [pictures.indexOf(c.target), c.target.srcset == back, performance.now()]))).observe(
    document.querySelector('.frame'), {subtree: true, attributeFilter: ['srcset']});"""


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):  # the static server `make web-run` starts, on a free port
        cls.server = subprocess.Popen(["/usr/bin/python3", "-u", "-m", "http.server", "0", "--bind",
                                       "127.0.0.1", "--directory", PAGE], stdout=subprocess.PIPE,
                                      stderr=subprocess.DEVNULL, text=True)
        cls.port = re.search(r" port (\d+) ", cls.server.stdout.readline())[1]

    @classmethod
    def tearDownClass(cls):
        cls.server.terminate()

    def open(self, ratio, blocked=(), viewport=None):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking", "--disable-sync",
                         "--disable-component-update", "--window-size=1000,700",
                         "--force-color-profile=srgb", f"--force-device-scale-factor={ratio}"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.addCleanup(self.driver.quit)
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": list(blocked)})
        if viewport:  # width, height, and for a phone its pixel ratio and touch
            width, height, phone_ratio = (*viewport, 0)[:3]
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": phone_ratio,
                "mobile": bool(phone_ratio)})
            self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                        {"enabled": bool(phone_ratio), "maxTouchPoints": 5})
        # Every tone the page starts, at the boundary the browser gives its sounds.
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": TONES})
        self.driver.get(f"http://127.0.0.1:{self.port}/")
        if blocked:
            return
        wait_until(lambda: not self.driver.find_elements(By.ID, "first-frame"), "the take-over")
        wait_until(lambda: self.names() and all(n.endswith(", 뒷면") for n in self.names()), "the deal")
        self.slots = self.driver.find_elements(By.CSS_SELECTOR, ".slot")

    def names(self):
        return self.driver.execute_script(ALL)

    def status(self):
        return self.driver.find_element(By.CSS_SELECTOR, ".menubar .status").text

    def requests(self):  # to the network: blob URLs are the page's own memory
        urls = [json.loads(entry["message"])["message"]["params"]["request"]["url"]
                for entry in self.driver.get_log("performance")
                if '"Network.requestWillBeSent"' in entry["message"]]
        return [url for url in urls if not url.startswith("blob:")]

    def keys(self, *keys, alt=False):
        chain = ActionChains(self.driver).key_down(Keys.ALT) if alt else ActionChains(self.driver)
        (chain.send_keys(*keys).key_up(Keys.ALT) if alt else chain.send_keys(*keys)).perform()

    def tap(self, element):
        x, y = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]",
            element)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def inside(self, element):
        return self.driver.execute_script("""const r = arguments[0].getBoundingClientRect();
            return r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5""",
                                          element)

    def back_unlike_its_picture(self, ratio):
        """Card 9's pixels unlike the back drawn for the pixel ratio."""
        suffix = {1: "", 1.5: "@1.5x", 2: "@2x"}[ratio]
        shot = Image.open(io.BytesIO(self.slots[9].screenshot_as_png)).convert("RGB")
        back = Image.open(f"{ASSETS}/back{suffix}.bmp").convert("RGB")
        # Two lines of border, each a whole number of device pixels; the
        # next card lies over the last columns of the picture.
        border, uncovered = 2 * int(ratio), int(76 * ratio)
        seen = shot.crop((border, border, border + uncovered, border + back.height))
        back = back.crop((0, 0, uncovered, back.height))
        return sum(a != b for a, b in zip(seen.getdata(), back.getdata()))

    def test_any_screen_zoom_and_density(self):
        # The browser's window at each density, a phone (touch), a tablet, and a
        # 1001 x 700 window at 200 % and at 50 % zoom, as the page lays out for
        # them; at each density, the cards show the pictures drawn for it.
        for ratio, viewport in (("1", None), ("1.5", None), ("2", None), ("1", (375, 667, 3)),
                                ("1", (768, 1024, 2)), ("1", (500, 350)), ("1", (2002, 1400))):
            with self.subTest(ratio=ratio, viewport=viewport):
                self.open(ratio, viewport=viewport)
                window = self.driver.find_element(By.CSS_SELECTOR, ".window")
                self.assertTrue(self.inside(window), f"the window beyond the page: {window.rect}")
                if not viewport:
                    self.assertEqual(self.back_unlike_its_picture(float(ratio)), 0, f"back at {ratio}")
                    self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, ".client").size,
                                     {"width": 644, "height": 323})
                phone = viewport and len(viewport) == 3
                self.tap(self.slots[23]) if phone else self.slots[23].click()
                wait_until(lambda: not self.names()[23].endswith("뒷면"), "the last card to turn")
                self.keys("f", "a", alt=True)
                ok = wait_until(lambda: self.driver.find_elements(
                    By.CSS_SELECTOR, "dialog[open] .push.default"), "About")[0]
                self.assertTrue(self.inside(ok), f"About's OK out of reach: {ok.rect}")
                self.tap(ok) if phone else ok.click()
                wait_until(lambda: not self.driver.find_elements(By.CSS_SELECTOR, "dialog[open]"),
                           "About closed by its OK")
                self.driver.quit()

    def test_opened_from_disk_it_says_what_to_do(self):
        self.open("1", ["*duomira.js"])
        self.driver.get(f"file://{os.path.abspath(PAGE)}/index.html")
        notice = wait_until(lambda: self.driver.find_elements(By.CSS_SELECTOR, ".from-disk"), "the notice")
        self.assertIn("웹 서버에 올려서 열어 주세요", notice[0].text)
        self.assertTrue(self.inside(notice[0]))
        self.assertFalse(self.driver.find_elements(By.ID, "first-frame"), "a window that never starts")

    def test_the_downloads_one_file_plays_from_disk(self):
        # Packed twice in two folders: the same bytes; opened as a file, it plays.
        zips = []
        for folder in ("a", "b"):
            work = tempfile.mkdtemp(prefix=f"duomira-web-dist-{folder}-")
            self.addCleanup(shutil.rmtree, work, True)
            subprocess.run(["/usr/bin/python3", f"{SOURCE}/web/single_file.py", PAGE, f"{work}/page.zip",
                            f"{SOURCE}/LICENSE", f"{SOURCE}/assets/fonts/OFL.txt"], check=True)
            zips.append(pathlib.Path(f"{work}/page.zip").read_bytes())
        self.assertEqual(zips[0], zips[1], "the zip differs from one packing to the next")
        with zipfile.ZipFile(f"{work}/page.zip") as packed:
            self.assertEqual(packed.namelist(), ["duomira.html", "LICENSE", "OFL.txt"])
            packed.extractall(work)
        self.open("1", ["*duomira.js"])
        self.driver.get(f"file://{work}/duomira.html")
        wait_until(lambda: len(self.names()) == 24 and all(n.endswith(", 뒷면") for n in self.names()),
                   "the deal from disk")
        self.driver.find_elements(By.CSS_SELECTOR, ".slot")[5].click()
        self.assertFalse(self.names()[5].endswith(", 뒷면"), "a card from disk did not turn")

    def test_first_frame_is_the_programs_window(self):
        # Drawn by the page before the program runs (here it never does), then
        # by the program: the same place, the same pixels. The page's free
        # space is odd both ways, so each centring rounds a half pixel.
        shots = []
        for blocked in (["*duomira.js"], []):
            self.open("1", blocked, (1001, 700))
            window = self.driver.find_element(By.CSS_SELECTOR, ".window")
            wait_until(lambda: self.driver.execute_script("return document.fonts.status") == "loaded",
                       "the fonts")
            shots.append((window.rect, Image.open(io.BytesIO(window.screenshot_as_png)).convert("RGB")))
            self.driver.quit()
        (first, first_shot), (program, program_shot) = shots
        self.assertEqual(first, program, "where the window lies")
        differ = sum(a != b for a, b in zip(first_shot.getdata(), program_shot.getdata()))
        self.assertEqual(differ, 0, "pixels of the first frame unlike the program's window")

    def test_a_whole_game(self):
        self.open("1")
        driver, slots, loaded = self.driver, self.slots, self.requests()
        self.assertIn("/duomira.wasm", " ".join(loaded))
        self.assertEqual(driver.title, CAPTION)
        self.assertEqual(slots[2].accessible_name, "1행 3열, 뒷면")
        self.assertEqual(slots[2].aria_role, "button")
        self.assertEqual(driver.find_element(By.CSS_SELECTOR, ".menubar").text.split(), ["파일(F)", "게임(G)"])
        face = lambda card: self.names()[card].split(", ")[1]

        driver.execute_script(TURNS)
        other = 1
        for _ in range(100):  # a miss: cards 0 and 1, dealt anew while they are a pair
            driver.execute_script("turns.length = 0; tones.length = 0")
            slots[0].click()
            slots[other].click()
            if face(other) != face(0):
                break
            self.keys("g", "s", alt=True)
        else:
            self.fail("cards 0 and 1 a pair in a hundred deals")
        self.assertRegex(self.status(), r"^\d+회$")
        wait_until(lambda: face(other) == "뒷면", "the miss to turn back")
        # The designed 300 ms, and not a frame or two more than the page's clock allows
        # a loaded machine; no tone for a miss.
        (_, _, shown), (_, _, hidden) = [t for t in driver.execute_script("return turns") if t[0] == other]
        self.assertTrue(300 <= hidden - shown < 400, f"turned back after {hidden - shown} ms")
        self.assertEqual(driver.execute_script("return tones"), [])

        self.keys("g", "o", alt=True)
        entry = driver.switch_to.active_element
        self.assertEqual(entry.accessible_name, "패스워드")
        entry.send_keys("-5.82", Keys.ENTER)
        faces = [n.split(", ")[1] for n in self.names()]
        self.assertEqual(sorted(faces.count(f) for f in set(faces)), [2] * 12)
        self.assertFalse(driver.find_elements(By.CSS_SELECTOR, "dialog[open]"))

        self.keys("f", "a", alt=True)
        about = driver.find_element(By.CSS_SELECTOR, "dialog[open]")
        self.assertEqual(about.get_attribute("aria-label"), CAPTION + "에 대하여..")
        self.assertIn("duomira.author@example.org 로 메일을 보내 주세요.      감사합니다.",
                      driver.execute_script("return arguments[0].textContent", about))
        before = self.names()
        ActionChains(driver).move_to_element_with_offset(slots[5], 20, 20).click().perform()
        self.assertEqual(self.names(), before, "a click reached the board under About")
        self.keys("s")
        box = wait_until(lambda: driver.find_elements(By.CSS_SELECTOR, "dialog[role=alertdialog][open]"), "the box")[0]
        self.assertEqual(box.text.split("\n"), ["Duomira", "지금은 시스템 정보를 사용할 수 없습니다.", "확인"])
        self.keys(Keys.ENTER)
        self.keys(Keys.ESCAPE)
        wait_until(lambda: not driver.find_elements(By.CSS_SELECTOR, "dialog[open]"), "About to close")

        pairs = [[c for c in range(24) if faces[c] == f] for f in sorted(set(faces))]
        a, b = pairs.pop()  # by keys alone, from the card with the focus
        focused = lambda: slots.index(driver.switch_to.active_element)
        for card, key in ((a, Keys.SPACE), (b, Keys.ENTER)):
            self.keys(*[Keys.TAB] * ((card - focused()) % 24))  # Tab goes round the board
            self.assertEqual(focused(), card)
            self.keys(key)
        self.assertEqual(driver.execute_script(
            "return getComputedStyle(document.activeElement.querySelector('.focus-mark')).display"), "block")
        self.assertRegex(self.status(), r"^\d+번째에 1개 그림이 열렸습니다$")
        self.assertEqual(driver.execute_script("return tones"), [880], "the pair's one tone")
        self.assertTrue(self.names()[a].endswith(", 짝 맞춤"))

        driver.execute_script("""const frame = document.querySelector('.frame'); window.seen = [];
            new MutationObserver(() => seen.at(-1) != frame.style.visibility &&
                seen.push(frame.style.visibility)).observe(frame, {attributeFilter: ['style']})""")
        for count, (a, b) in enumerate(pairs, 2):
            slots[a].click()
            slots[b].click()
            self.assertRegex(self.status(), rf"^\d+번째에 {count}개 (그림이 열렸습니다|성공했네요)$")
        self.assertTrue(self.status().endswith("12개 성공했네요"))
        wait_until(lambda: driver.execute_script("return seen") == ["hidden", "visible"], "the blink")
        self.assertEqual(driver.find_element(By.CSS_SELECTOR, "[role=status]").get_attribute("textContent"), self.status())

        self.keys("g", "s", alt=True)
        self.assertTrue(all(n.endswith(", 뒷면") for n in self.names()))
        self.assertEqual(self.status(), "")
        self.keys("f", Keys.ARROW_DOWN, Keys.ENTER, alt=True)
        wait_until(lambda: not driver.find_elements(By.CSS_SELECTOR, ".window"), "the end")

        self.assertEqual(self.requests(), [], "requests after loading")
        self.assertEqual(driver.get_cookies(), [])
        self.assertEqual(driver.execute_script("return localStorage.length + sessionStorage.length"), 0)
        self.assertEqual(driver.execute_async_script(
            "indexedDB.databases().then(d => arguments[0](d.length))"), 0)
        self.assertEqual([e for e in driver.get_log("browser") if e["level"] != "DEBUG"], [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
