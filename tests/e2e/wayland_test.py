# The game in a Wayland session: weston, started by the test with its X11
# back end on the private Xvfb (where the test reads its pixels and types
# and clicks into it), and the game with no X display at all. It opens with
# every card face down, turns the card clicked, keeps About above the board
# and the board still while About is up, reveals every pair for the access
# number, ends with the end command, and says nothing on the way.
# Usage: xvfb-run ... wayland_test.py <program> <assets>

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from Xlib import X

from xscreen import LEFTS, SEEN_HEIGHT, TOPS, Screen, seen_rows, wait_until

PROGRAM, ASSETS = sys.argv[1:3]
del sys.argv[1:3]
SOCKET = "duomira-test"
WESTON_INI = """[core]
shell=desktop-shell.so
idle-time=0
[shell]
panel-position=none
"""


class Wayland(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="duomira-wayland-")
        self.addCleanup(shutil.rmtree, self.root, True)
        runtime = os.path.join(self.root, "run")
        os.mkdir(runtime, 0o700)
        with open(os.path.join(self.root, "weston.ini"), "w") as ini:
            ini.write(WESTON_INI)
        self.screen = Screen(dict(os.environ))
        geometry = self.screen.root.get_geometry()
        self.width, self.height = geometry.width, geometry.height
        weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", f"--width={self.width}",
             f"--height={self.height}", f"--socket={SOCKET}",
             f"--config={os.path.join(self.root, 'weston.ini')}"],
            env=dict(os.environ, XDG_RUNTIME_DIR=runtime),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(weston.wait)
        self.addCleanup(weston.terminate)
        wait_until(lambda: os.path.exists(os.path.join(runtime, SOCKET)), "weston", 120)
        # A Wayland session's environment, and no X display to fall back on.
        self.env = {k: v for k, v in os.environ.items()
                    if k in ("PATH", "LANG", "HOME") or k[:3] == "LC_"}
        self.env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=SOCKET,
                        XDG_SESSION_TYPE="wayland")

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

        self.click(0)
        wait_until(lambda: self.screen.pictures()[0] != self.back, "card 0 to turn")

        # About above the board: a click on a card turns nothing, raises nothing.
        before = self.screen.pictures()
        self.keys("alt+f", "a")
        with_about = wait_until(lambda: (lambda p: p != before and p)(self.screen.pictures()), "About")
        uncovered = [c for c in range(1, 24) if with_about[c] == backs[c]]
        self.assertTrue(uncovered, "About covers the whole board")
        self.click(uncovered[0])
        # Tab moves About's focus to its second button: once that shows, the
        # click before it has been dealt with, by weston and by the game.
        screen = self.shot()
        self.keys("Tab")
        wait_until(lambda: self.shot() != screen, "About's focus to move on Tab")
        self.assertTrue(self.screen.pictures() == with_about, "the board came over About")
        self.keys("Escape")
        # Card 0 has the keyboard's focus mark now that keys were used.
        wait_until(lambda: self.screen.pictures()[1:] == before[1:], "About gone")

        screen = self.shot()
        self.keys("alt+g", "o")
        wait_until(lambda: self.shot() != screen, "the password dialog")
        self.keys("minus", "5", "period", "8", "2", "Return")
        wait_until(lambda: self.back not in self.screen.pictures(), "every card revealed")

        # The end command, the game's window brought to the front first by a
        # click on the board's frame below the cards.
        self.screen.xdotool("mousemove", str(self.screen.client[0] + 300),
                            str(self.screen.client[1] + 312), "click", "1")
        # The menu's keys only once the File menu is seen open, its popup
        # over card 0: sent at once, they can reach the board before the menu
        # is up, and a highlighted title alone is no open menu. The click has
        # taken the focus mark off card 0 by then.
        faces = [seen_rows(ASSETS, f"face{p:02d}.bmp", self.shot()[3]) for p in range(12)]
        dealt = wait_until(lambda: (lambda p: p in faces and p)(self.screen.pictures()[0]),
                           "card 0 as dealt, without the focus mark")
        self.keys("alt+f")
        menu = wait_until(lambda: (lambda p: p not in faces and p)(self.screen.pictures()[0]),
                          "the File menu over card 0")
        # Up goes round to the last item, 종료, whose highlight then shows in
        # the lower half of the popup; the first item's highlight, which may
        # come a frame after the popup, shows in the upper half.
        popup = [y for y, (was, now) in enumerate(zip(dealt, menu)) if was != now]
        lower = [y for y in popup if y > (popup[0] + popup[-1]) / 2]
        self.keys("Up")
        wait_until(lambda: any(self.screen.pictures()[0][y] != menu[y] for y in lower), "종료 highlighted")
        self.keys("Return")
        self.assertEqual(game.wait(60), 0)
        with open(output, "rb") as said:
            self.assertEqual(said.read().decode(errors="replace"), "")


if __name__ == "__main__":
    unittest.main()
