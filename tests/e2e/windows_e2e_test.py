# The Windows program played under Wine on the X server of the environment
# (a private Xvfb), in the Wine prefix of the environment, at 96, 144 and 192
# dots per inch (Wine's LogPixels, read as the program starts): the window
# 1, 1.5 and 2 times the size, it opens with every card face down in the
# pixels of the picture drawn for the density, turns exactly the card clicked
# (a double click once) and the card chosen by keys, shows About, whose
# button shows the launcher's message box, reveals every pair for the access
# number, and ends with the end command while the password dialog is up.
# Screenshots of each window go to SHOTS for a look by eye.
#     windows_e2e_test.py WINE PROGRAM ASSETS SHOTS

import os
import subprocess
import sys
import unittest

from xscreen import TITLE, Screen, seen_rows, wait_until

WINE, PROGRAM, ASSETS, SHOTS = sys.argv[1:5]
del sys.argv[1:5]


class WindowsProgram(unittest.TestCase):
    def wine_idle(self):
        # Wine's desktop process keeps the density it started with: every
        # Wine process of the prefix ends before another density is set.
        subprocess.run([os.path.join(os.path.dirname(WINE), "wineserver"), "-w"], check=True)

    def set_dpi(self, dpi):
        # What the display settings' scale writes; each program reads it as it starts.
        subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                        "/t", "REG_DWORD", "/d", str(dpi), "/f"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)

    def test_plays_with_the_mouse_and_keys_at_each_density(self):
        os.makedirs(SHOTS, exist_ok=True)
        self.addCleanup(self.wine_idle)
        self.addCleanup(self.set_dpi, 96)
        for dpi, scale, density in ((96, 1, ""), (144, 1.5, "@1.5x"), (192, 2, "@2x")):
            with self.subTest(dpi=dpi):
                self.set_dpi(dpi)
                screen = Screen(dict(os.environ), scale)
                screen.shoot = lambda title, dpi=dpi: subprocess.run(
                    ["import", "-window", "root", os.path.join(SHOTS, f"{title} {dpi}.png")], check=True)
                game = subprocess.Popen([WINE, PROGRAM], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
                self.addCleanup(lambda g=game: g.poll() is None and g.kill())
                window = screen.wait_window(TITLE, 120)
                self.assertEqual(screen.find_client(window)[2], screen.client_size[0], "client width")
                screen.pictures()
                back = seen_rows(ASSETS, f"back{density}.bmp", screen.padding, scale)
                faces = [seen_rows(ASSETS, f"face{p:02d}{density}.bmp", screen.padding, scale)
                         for p in range(12)]
                self.play(screen, window, back, faces)
                self.assertEqual(game.wait(timeout=120), 0)
                self.wine_idle()

    def play(self, screen, window, back, faces):
        wait_until(lambda: screen.pictures() == [back] * 24, "the deal, every card face down")
        screen.click(0, times=2)
        turned = wait_until(lambda: (lambda p: p[0] != back and p)(screen.pictures()), "card 0")
        self.assertIn(turned[0], faces)
        self.assertEqual(turned[1:], [back] * 23, "another card turned with it, or twice")
        # Keys alone, through the program's own message loop: End goes to the
        # last card of the row and Space turns it, a miss that turns card 0
        # back, or card 0's partner, which stays up under the keys' focus
        # mark: a dotted line 2 pixels in, which leaves the inside alone.
        inside = lambda picture: tuple(row[12:] for row in picture[3:-3])
        screen.keys(window, "End", "space")
        wait_until(lambda: (lambda p: p[0] == back or inside(p[7]) != inside(back))(screen.pictures()),
                   "card 7 turned by keys")
        # A click takes the keys' focus mark away again: card 7 up, unmarked.
        screen.click(7)
        wait_until(lambda: screen.pictures()[7] in faces, "card 7 clicked")
        screen.about_and_its_button(window)
        # The board flashes empty as the dialog closes over it: a picture with
        # no back on it is not yet the reveal.
        screen.type_access_number(window)
        wait_until(lambda: sorted(map(screen.pictures().count, faces)) == [2] * 12, "every pair")
        screen.end_with_password_up(window)


if __name__ == "__main__":
    unittest.main(verbosity=2)
