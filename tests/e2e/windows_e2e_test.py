# The Windows program played under Wine on the X server of the environment
# (a private Xvfb), in the Wine prefix of the environment: it opens with every
# card face down, turns exactly the card clicked (a double click once) and
# the card chosen by keys, shows About, whose button shows the launcher's
# message box, reveals every pair for the access number, and ends with the
# end command while the password dialog is up. At 144 and 192 dots per inch
# (Wine's LogPixels) the window is 1.5 and 2 times the size and each card
# shows the pixels of its @1.5x or @2x picture. Screenshots go to SHOTS for a
# look by eye.
#     windows_e2e_test.py WINE PROGRAM ASSETS SHOTS

import os
import subprocess
import sys
import unittest

from xscreen import ABOUT, CLIENT_WIDTH, PASSWORD, TITLE, Screen, seen_rows, wait_until

WINE, PROGRAM, ASSETS, SHOTS = sys.argv[1:5]
del sys.argv[1:5]


class WindowsProgram(unittest.TestCase):
    def setUp(self):
        self.screen = Screen(dict(os.environ))
        os.makedirs(SHOTS, exist_ok=True)

    def shot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, f"{name}.png")], check=True)

    def test_plays_with_the_mouse_and_keys(self):
        screen = self.screen
        game = subprocess.Popen([WINE, PROGRAM], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: game.poll() is None and game.kill())
        window = screen.wait_window(TITLE, 120)
        self.assertEqual(screen.find_client(window)[2], CLIENT_WIDTH, "client area width")
        screen.pictures()
        back = seen_rows(ASSETS, "back.bmp", screen.padding)
        faces = [seen_rows(ASSETS, f"face{p:02d}.bmp", screen.padding) for p in range(12)]
        wait_until(lambda: screen.pictures() == [back] * 24, "the deal, every card face down")
        self.shot("deal")
        screen.click(0, times=2)
        turned = wait_until(lambda: (lambda p: p[0] != back and p)(screen.pictures()), "card 0")
        self.assertIn(turned[0], faces)
        self.assertEqual(turned[1:], [back] * 23, "another card turned with it, or twice")
        # Keys alone, through the program's own message loop: End goes to the
        # last card of the row and Space turns it, a miss that turns card 0
        # back, or card 0's partner.
        screen.keys(window, "End", "space")
        wait_until(lambda: (lambda p: p[0] == back or p[7] == p[0])(screen.pictures()),
                   "card 7 turned by keys")
        # A click takes the keys' focus mark away again: card 7 up, unmarked.
        screen.click(7)
        wait_until(lambda: screen.pictures()[7] in faces, "card 7 clicked")

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


    def wine_idle(self):
        # Wine's desktop process keeps the density it started with: every
        # Wine process of the prefix ends before another density is set.
        subprocess.run([os.path.join(os.path.dirname(WINE), "wineserver"), "-w"], check=True)

    def set_dpi(self, dpi):
        # What the display settings' scale writes; each program reads it as it starts.
        subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                        "/t", "REG_DWORD", "/d", str(dpi), "/f"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)

    def test_scaled_crisp_at_150_and_200_percent(self):
        self.addCleanup(self.wine_idle)
        self.addCleanup(self.set_dpi, 96)
        for dpi, scale, density in ((144, 1.5, "@1.5x"), (192, 2, "@2x")):
            with self.subTest(dpi=dpi):
                self.set_dpi(dpi)
                screen = Screen(dict(os.environ), scale)
                game = subprocess.Popen([WINE, PROGRAM], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
                self.addCleanup(lambda g=game: g.poll() is None and g.kill())
                window = screen.wait_window(TITLE, 120)
                self.assertEqual(screen.find_client(window)[2], screen.client_size[0])
                screen.pictures()
                back = seen_rows(ASSETS, f"back{density}.bmp", screen.padding, scale)
                faces = [seen_rows(ASSETS, f"face{p:02d}{density}.bmp", screen.padding, scale)
                         for p in range(12)]
                wait_until(lambda: screen.pictures() == [back] * 24, "the deal at the scale")
                screen.click(0)
                wait_until(lambda: screen.pictures()[0] in faces, "card 0 turned")
                screen.menu(window, "alt+f", "a")
                about = screen.wait_window(ABOUT)
                self.shot(f"about-{dpi}")
                screen.keys(about, "Escape")
                wait_until(lambda: not screen.windows_titled(ABOUT), "About to close")
                screen.menu(window, "alt+g", "o")
                screen.wait_window(PASSWORD)
                self.shot(f"password-{dpi}")
                game.kill()
                game.wait(timeout=60)
                self.wine_idle()


if __name__ == "__main__":
    unittest.main(verbosity=2)
