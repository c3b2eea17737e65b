# The game in a Wayland session: weston or sway, started by the test with
# its X11 back end on the private Xvfb (where the test reads its pixels and
# types and clicks into it), and the game with no X display at all. It opens
# with every card face down, turns the card clicked, keeps About above the
# board and the board still while About is up, even after a click on the
# board, brings the password dialog back in front with the keys after a click
# on the board put it behind, reveals every pair for the access number, and
# says nothing on the way.
# Usage: xvfb-run ... wayland_test.py <program> <assets> weston|sway

import glob
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

from PIL import Image, ImageChops
from Xlib import X

from xscreen import ABOUT, LEFTS, SEEN_HEIGHT, TITLE, TOPS, Screen, end, seen_rows, wait_until

PROGRAM, ASSETS, COMPOSITOR = sys.argv[1:4]
del sys.argv[1:4]
WESTON_INI = """[core]
shell=desktop-shell.so
idle-time=0
[shell]
panel-position=none
"""
NOBODY = 65534  # sway will not run as root


class Wayland(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="duomira-wayland-")
        self.addCleanup(shutil.rmtree, self.root, True)
        os.chmod(self.root, 0o755)
        runtime = os.path.join(self.root, "run")
        os.mkdir(runtime, 0o700)
        self.screen = Screen(dict(os.environ))
        geometry = self.screen.root.get_geometry()
        self.width, self.height = geometry.width, geometry.height
        compositor = self.start_sway(runtime) if COMPOSITOR == "sway" else self.start_weston(runtime)
        self.addCleanup(end, compositor)
        socket = wait_until(lambda: next((os.path.join(runtime, n) for n in os.listdir(runtime)
                                          if n.startswith("wayland-") and "." not in n), None),
                            COMPOSITOR, 120)
        # A Wayland session's environment, and no X display to fall back on.
        game_runtime = os.path.join(self.root, "game-run")
        os.mkdir(game_runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k in ("PATH", "LANG", "HOME") or k[:3] == "LC_"}
        self.env.update(XDG_RUNTIME_DIR=game_runtime, WAYLAND_DISPLAY=socket,
                        XDG_SESSION_TYPE="wayland")

    def write(self, name, text):
        with open(os.path.join(self.root, name), "w") as file:
            file.write(text)
        return os.path.join(self.root, name)

    def start_weston(self, runtime):
        return subprocess.Popen(
            ["weston", "--backend=x11-backend.so", f"--width={self.width}", f"--height={self.height}",
             f"--config={self.write('weston.ini', WESTON_INI)}"],
            env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)

    def start_sway(self, runtime):
        # As nobody, with a copy of the X server's cookie, in a runtime folder of its own.
        os.chown(runtime, NOBODY, NOBODY)
        cookie = self.write("cookie", "")
        shutil.copyfile(os.environ["XAUTHORITY"], cookie)
        config = self.write("sway.config", f"output X11-1 resolution {self.width}x{self.height}\n"
                                           "output * bg #336699 solid_color\n")
        sway = subprocess.Popen(
            ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", "sway", "-c", config],
            env={"PATH": os.environ["PATH"], "DISPLAY": os.environ["DISPLAY"], "XAUTHORITY": cookie,
                 "XDG_RUNTIME_DIR": runtime, "WLR_BACKENDS": "x11", "WLR_RENDERER": "pixman"},
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Which window sway gives the keys to, as it says on its IPC socket.
        ipc = wait_until(lambda: glob.glob(os.path.join(runtime, "sway-ipc.*")), "sway's IPC")[0]
        watch = subprocess.Popen(["swaymsg", "-s", ipc, "-r", "-m", "-t", "subscribe", '["window"]'],
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.addCleanup(end, watch)
        self.focused = []
        threading.Thread(target=lambda: self.focused.extend(
            e["container"]["name"] for e in map(json.loads, watch.stdout) if e["change"] == "focus"),
            daemon=True).start()
        return sway

    def shot(self):
        return self.screen.root.get_image(0, 0, self.width, self.height, X.ZPixmap,
                                          0xFFFFFFFF).data

    def find_board(self):
        # Card 0's place: the first place on the screen that shows a whole
        # card back, found by the back's middle row.
        image, stride = self.shot(), self.width * 4
        back, middle = seen_rows(ASSETS, "back.bmp", image[3]), SEEN_HEIGHT // 2
        at = image.find(back[middle])
        while at >= 0:
            top = at - middle * stride
            if at % 4 == 0 and top >= 0 and all(
                    image[top + r * stride:top + r * stride + len(row)] == row
                    for r, row in enumerate(back)):
                self.back = back  # the client area, where the board's cards are counted from
                self.screen.client = ((top % stride) // 4 - LEFTS[0] - 2, top // stride - TOPS[0] - 2)
                return self.screen.client
            at = image.find(back[middle], at + 1)
        return None

    def click(self, card):
        # Weston draws the pointer among the pixels: it goes back to the corner.
        self.screen.click(card)
        self.screen.xdotool("mousemove", "0", "0")

    def text_cursor_blinks(self):
        # Whether the screen changed since the last look, and only as a text
        # cursor's blink changes it: only a window with the keys shows one.
        earlier, self.seen = self.seen, self.shot()
        image = lambda data: Image.frombytes("RGBX", (self.width, self.height), data)
        box = earlier and ImageChops.difference(image(earlier), image(self.seen)).getbbox()
        return bool(box) and box[2] - box[0] <= 3 and box[3] - box[1] <= 40

    def keys(self, *names):
        self.screen.xdotool("key", "--delay", "150", *names)

    def test_plays_on_wayland_without_a_word(self):
        self.screen.xdotool("mousemove", "0", "0")
        output = os.path.join(self.root, "game-output")
        with open(output, "wb") as said:
            game = subprocess.Popen([PROGRAM], env=self.env, stdout=said, stderr=said)
        self.addCleanup(game.kill)
        wait_until(self.find_board, "the game's board", 120)
        backs = wait_until(lambda: (lambda p: all(c == self.back for c in p) and p)(self.screen.pictures()),
                           "the deal, every card face down")

        # The keyboard's focus mark on card 0 shows that the game takes input
        # (seen once on a loaded machine: a click sent as the board first
        # showed was lost); then a click turns the card.
        self.keys("Home")
        marked = wait_until(lambda: (lambda p: p != self.back and p)(self.screen.pictures()[0]),
                            "the focus mark on card 0")
        self.click(0)
        wait_until(lambda: self.screen.pictures()[0] not in (self.back, marked), "card 0 to turn")

        # About above the board: a click on a card turns nothing, raises nothing.
        before = self.screen.pictures()
        self.keys("alt+f", "a")
        with_about = wait_until(lambda: (lambda p: p != before and p)(self.screen.pictures()), "About")
        uncovered = [c for c in range(1, 24) if with_about[c] == backs[c]]
        self.assertTrue(uncovered, "About covers the whole board")
        if COMPOSITOR == "sway":  # sway raises the board and gives it the keys: About comes back
            self.focused.clear()
        self.click(uncovered[0])
        if COMPOSITOR == "sway":
            # sway gives the keys to the board, then to About
            wait_until(lambda: TITLE in self.focused and ABOUT in self.focused[self.focused.index(TITLE) + 1:],
                       "About back in front with the keys")
        # Tab moves About's focus to its second button: once that shows, the
        # click before it has been dealt with, by weston and by the game.
        screen = self.shot()
        self.keys("Tab")
        wait_until(lambda: self.shot() != screen, "About's focus to move on Tab")
        shown = self.screen.pictures()
        self.assertEqual([shown[c] for c in uncovered], [with_about[c] for c in uncovered], "a card turned")
        self.assertNotIn(True, [shown[c] == backs[c] for c in range(1, 24) if c not in uncovered],
                         "the board came over About")
        self.keys("Escape")
        # Card 0 has the keyboard's focus mark now that keys were used.
        wait_until(lambda: self.screen.pictures()[1:] == before[1:], "About gone")

        # A click on the board's frame gives the board the keys (on sway it
        # also comes over the dialog); the command brings the dialog back in
        # front with the keys: its text cursor blinks.
        screen = self.shot()
        self.keys("alt+g", "o")
        wait_until(lambda: self.shot() != screen, "the password dialog")
        self.screen.click_frame("mousemove", "0", "0")
        self.keys("alt+g", "o")
        self.seen = None
        wait_until(self.text_cursor_blinks, "the password box in front with the keys")
        self.keys("minus", "5", "period", "8", "2", "Return")
        wait_until(lambda: self.back not in self.screen.pictures(), "every card revealed")

        # Menus are shown above; the end command is the X11 tests' (e2e) to judge.
        game.terminate()
        game.wait(60)
        with open(output, "rb") as said:
            self.assertEqual(said.read().decode(errors="replace"), "")


if __name__ == "__main__":
    unittest.main()
