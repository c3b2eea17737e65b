# The Windows program played under Wine on the X server of the environment
# (a private Xvfb), in the Wine prefix of the environment. With the mouse: it
# opens with every card face down, turns exactly the card clicked (a double
# click once), shows About, whose button shows the launcher's message box,
# reveals every pair for the access number, and ends with the end command
# while the password dialog is up. With
# keys alone: a whole game to the last pair, each turned
# card heard from its window text as a screen reader hears it, a miss heard
# turning back after the interval, and the focus marked on the board.
# Screenshots go to SHOTS for a look by eye.
#     windows_e2e_test.py WINE PROGRAM PROBE READER TEXTS ASSETS SHOTS

import os
import re
import subprocess
import sys
import time
import unittest

from xscreen import ABOUT, CLIENT_WIDTH, PASSWORD, SEEN_HEIGHT, SEEN_WIDTH, TITLE, Screen, wait_until

WINE, PROGRAM, PROBE, READER, TEXTS, ASSETS, SHOTS = sys.argv[1:8]
del sys.argv[1:8]


def wine_path(path):
    return "Z:" + os.path.realpath(path).replace("/", "\\")


def seen_rows(name, padding):
    # The part of a committed 8-bit picture that shows on a card, as the
    # screen's rows of 4-byte pixels.
    with open(os.path.join(ASSETS, name), "rb") as picture:
        data = picture.read()
    number = lambda at, size=4: int.from_bytes(data[at:at + size], "little", signed=True)
    offset, width, height, colours = number(10), number(18), number(22), number(46)
    palette = [data[54 + 4 * i:57 + 4 * i] + bytes([padding]) for i in range(colours)]
    stride = (width + 3) // 4 * 4
    rows = [data[offset + (height - 1 - y) * stride:][:SEEN_WIDTH] for y in range(SEEN_HEIGHT)]
    return tuple(b"".join(palette[index] for index in row) for row in rows)


class WindowsProgram(unittest.TestCase):
    def setUp(self):
        self.screen = Screen(dict(os.environ))
        os.makedirs(SHOTS, exist_ok=True)

    def status(self):
        # The menu bar's last title, read inside the game's process.
        probe = subprocess.run([WINE, PROBE, wine_path(READER), TITLE], capture_output=True,
                               check=True, timeout=60)
        return probe.stdout.decode().rstrip("\r\n")

    def shot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, f"{name}.png")], check=True)

    def start(self):
        # The game, dealt: its window and the pictures of the back and faces.
        screen = self.screen
        game = subprocess.Popen([WINE, PROGRAM], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: game.poll() is None and game.kill())
        window = screen.wait_window(TITLE, 120)
        width = screen.find_client(window)[2]
        self.assertEqual(width, CLIENT_WIDTH, "client area width")
        screen.pictures()
        back = seen_rows("back.bmp", screen.padding)
        faces = [seen_rows(f"face{p:02d}.bmp", screen.padding) for p in range(12)]
        wait_until(lambda: screen.pictures() == [back] * 24, "the deal, every card face down")
        self.assertEqual(self.status(), "", "the status title after the deal")
        return game, window, back, faces

    def test_plays_with_the_mouse(self):
        screen = self.screen
        game, window, back, faces = self.start()
        self.shot("deal")
        screen.click(0, times=2)
        turned = wait_until(lambda: (lambda p: p[0] != back and p)(screen.pictures()), "card 0")
        self.assertIn(turned[0], faces)
        self.assertEqual(turned[1:], [back] * 23, "another card turned with it")
        self.assertEqual(self.status(), "", "a double click counted twice")

        screen.menu(window, "alt+f", "a")
        about = screen.wait_window(ABOUT)
        self.shot("about")
        screen.keys(about, "alt+s")
        screen.keys(screen.wait_window("Duomira"), "Return")
        self.assertTrue(screen.windows_titled(ABOUT), "About closed with the message")
        screen.keys(about, "Escape")
        wait_until(lambda: not screen.windows_titled(ABOUT), "About to close")

        screen.menu(window, "alt+g", "o")
        password = screen.wait_window(PASSWORD)
        self.shot("password")
        screen.keys(password, "minus", "5", "period", "8", "2", "Return")
        # The board flashes empty as the dialog closes over it: a picture with
        # no back on it is not yet the reveal.
        wait_until(lambda: sorted(map(screen.pictures().count, faces)) == [2] * 12, "every pair")
        wait_until(lambda: not screen.windows_titled(PASSWORD), "the password dialog to close")
        self.shot("revealed")
        # The end command, "종료", the last item of File, ends the game with the dialog up.
        screen.menu(window, "alt+g", "o")
        screen.wait_window(PASSWORD)
        screen.choose_end(window)
        self.assertEqual(game.wait(timeout=120), 0)

    def test_plays_a_game_with_the_keyboard_alone(self):
        # Each try turns a card whose partner was heard, else one not heard yet.
        game, self.window = self.start()[:2]
        self.listener = subprocess.Popen([WINE, TEXTS, TITLE], stdin=subprocess.PIPE,
                                         stdout=subprocess.PIPE)
        self.addCleanup(self.listener.kill)
        self.focus, self.shown = 0, None
        self.listen([], lambda shown: shown == ["뒷면"] * 24, "the deal")
        seen, matched, attempts = {}, set(), 0
        while len(matched) < 24:
            unseen = [card for card in range(24) if card not in seen]
            partner = lambda card: [other for other in range(24) if other != card and
                                    other not in matched and seen.get(other) == seen[card]]
            first = ([card for card in seen if card not in matched and partner(card)] + unseen)[0]
            seen[first] = self.turn(first, "space")
            second = (partner(first) + [card for card in unseen if card != first])[0]
            seen[second] = self.turn(second, "Return")
            attempts += 1
            if seen[second] == seen[first]:
                matched |= {first, second}
                self.listen([], lambda shown: shown[first] == shown[second] == seen[first] + ", 짝 맞춤",
                            "a pair")
            else:
                self.listen([], lambda shown: shown[second] == "뒷면", "the miss to turn back")
        wait_until(lambda: self.status() == f"{attempts}번째에 12개 성공했네요", "the last pair")
        time.sleep(0.5)  # the board's blink, and the focus mark back on the last card
        self.shot("keyboard-won")
        self.screen.close(self.window)  # the close box, unloading every window
        self.assertEqual(game.wait(timeout=120), 0)

    def turn(self, card, key):
        # Moves the focus to the card and turns it: the picture it shows.
        (row, column), (at_row, at_column) = divmod(card, 8), divmod(self.focus, 8)
        keys = ["Down" if row > at_row else "Up"] * abs(row - at_row)
        keys += ["Home"] if column == 0 < at_column else ["End"] if column == 7 > at_column else \
            ["Right" if column > at_column else "Left"] * abs(column - at_column)
        if card in ((self.focus + 1) % 24, (self.focus - 1) % 24):
            keys = ["Tab" if card == (self.focus + 1) % 24 else "shift+Tab"]
        self.focus = card
        shown = self.listen(keys + [key], lambda shown: shown[card] != "뒷면", f"card {card}")
        return shown[card].split(",")[0]

    def listen(self, keys, heard, what):
        # Presses the keys and listens until heard(shown), what each card's
        # window text says it shows after its place.
        shown, deadline = None if keys else self.shown, time.monotonic() + 60
        while not (shown and heard(shown)):
            self.assertLess(time.monotonic(), deadline, f"never heard {what}")
            self.listener.stdin.write(b"\n")
            self.listener.stdin.flush()
            if keys:
                self.screen.keys(self.window, *keys)
                keys = []
            lines = iter(lambda: self.listener.stdout.readline().decode().rstrip("\r\n"), "")
            places = [re.fullmatch(r"(\d)행 (\d)열, (.+)", line) for line in lines]
            cards = {8 * int(m[1]) + int(m[2]) - 9: m[3] for m in places if m}
            shown = self.shown = [cards[card] for card in range(24)]
        return shown


if __name__ == "__main__":
    unittest.main(verbosity=2)
