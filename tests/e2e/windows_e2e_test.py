# The Windows program played under Wine on the X server of the environment
# (a private Xvfb), in the Wine prefix of the environment: it opens with every card face down, turns exactly the
# card clicked, turns a miss back after the interval and counts it in the
# menu bar's last title, blocks the board under About, whose button shows the
# launcher's message box, reveals every pair for the access number, plays on
# to the last pair, and ends with its window, taking the password dialog
# with it. Screenshots go to
# SHOTS for a look by eye.
#     windows_e2e_test.py WINE PROGRAM PROBE READER ASSETS SHOTS

import os
import subprocess
import sys
import time
import unittest

from xscreen import ABOUT, CLIENT_WIDTH, PASSWORD, SEEN_HEIGHT, SEEN_WIDTH, TITLE, Screen, wait_until

WINE, PROGRAM, PROBE, READER, ASSETS, SHOTS = sys.argv[1:7]
del sys.argv[1:7]


def wine_path(path):
    return "Z:" + os.path.realpath(path).replace("/", "\\")


def seen_rows(name, padding):
    # The part of a committed 8-bit picture that shows on a card, as the
    # screen's rows of 4-byte pixels.
    data = open(os.path.join(ASSETS, name), "rb").read()
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

    def test_plays_a_game_under_wine(self):
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
        self.shot("deal")

        attempts, open_pairs = self.play_until_a_miss(back, faces)
        self.shot("after-miss")

        screen.keys(window, "alt+f", "a")
        about = screen.wait_window(ABOUT)
        before = screen.pictures()
        screen.click(4)
        time.sleep(0.5)
        self.assertEqual(screen.pictures(), before, "a card turned under the About dialog")
        self.shot("about")
        screen.keys(about, "alt+s")
        screen.keys(screen.wait_window("Duomira"), "Return")
        self.assertTrue(screen.windows_titled(ABOUT), "About closed with the message")
        screen.keys(about, "Escape")
        wait_until(lambda: not screen.windows_titled(ABOUT), "About to close")

        screen.keys(window, "alt+g", "o")
        password = screen.wait_window(PASSWORD)
        self.shot("password")
        screen.keys(password, "minus", "5", "period", "8", "2", "Return")
        # The board flashes empty as the dialog closes over it: a picture with
        # no back on it is not yet the reveal.
        shown = wait_until(lambda: (lambda p: sorted(map(p.count, faces)) == [2] * 12 and p)(
            screen.pictures()), "every pair")
        wait_until(lambda: not screen.windows_titled(PASSWORD), "the password dialog to close")
        self.shot("revealed")

        # The revealed cards are still in play: the pairs not yet found, each
        # clicked as a pair, end the game.
        for face in faces:
            first, second = [card for card in range(24) if shown[card] == face]
            if first not in open_pairs:
                screen.click(first)
                screen.click(second)
                attempts += 1
        wait_until(lambda: self.status() == f"{attempts}번째에 12개 성공했네요", "the last pair")
        wait_until(lambda: screen.pictures() == shown, "the board back after its blink")
        self.shot("won")

        screen.keys(window, "alt+g", "o")
        screen.wait_window(PASSWORD)
        screen.close(window)
        self.assertEqual(game.wait(timeout=60), 0)
        self.assertEqual(screen.windows_titled(PASSWORD), [], "the password dialog outlived the game")

    def play_until_a_miss(self, back, faces):
        # Two cards at a time from the left; a pair (one chance in 23) stays
        # open and the next two are tried. The very first card is double
        # clicked: its second press is no second click.
        screen, open_pairs = self.screen, {}
        for attempt, first in enumerate(range(0, 24, 2), start=1):
            second = first + 1
            screen.click(first, times=2 if attempt == 1 else 1)
            turned = wait_until(lambda: (lambda p: p[first] != back and p)(screen.pictures()),
                                f"card {first} to turn")
            self.assertIn(turned[first], faces)
            expected = [open_pairs.get(card, back) for card in range(24)]
            expected[first] = turned[first]
            self.assertEqual(turned, expected, "another card turned with it")
            if attempt == 1:
                self.assertEqual(self.status(), "", "a double click counted twice")

            screen.click(second)
            outcome = wait_until(lambda: self.second_card(screen.pictures(), first, second, back),
                                 f"card {second} to turn")
            if outcome == "pair":
                open_pairs.update({first: turned[first], second: turned[first]})
                continue
            self.assertIn(outcome, faces)
            wait_until(lambda: screen.pictures()[second] == back, "the miss to turn back")
            self.assertEqual(self.status(), f"{attempt}회")
            return attempt, open_pairs
        self.fail("every two cards from the left were a pair")

    @staticmethod
    def second_card(pictures, first, second, back):
        # A pair shows one face twice; a miss turns the first card back at
        # once and shows the second until the interval is over.
        if pictures[second] == back:
            return None
        if pictures[second] == pictures[first]:
            return "pair"
        return pictures[second] if pictures[first] == back else None


if __name__ == "__main__":
    unittest.main(verbosity=2)
