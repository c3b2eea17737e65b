"""The real game under Xvfb: it opens centred, deals face down, turns a card
on a click, and ends when its window is closed."""

import sys
import time
import unittest

from desktop import TITLE, Desktop, scratch_dir, wait_until

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/ui/duomira"

CLIENT_W, CLIENT_H = 644, 323
LEFTS = [7, 86, 165, 245, 324, 403, 482, 561]
TOPS = [16, 118, 219]
PICTURE = 80  # the picture inside the 2-pixel sunken border
# Neighbours overlap by a few pixels and the frame cuts off column 7, so only
# the left part of each picture is sure to be seen.
VISIBLE_WIDTH = 70


class Board:
    """Where the card pictures lie on the screen, from the window's geometry."""

    def __init__(self, desktop, window):
        x, y, w, h = desktop.geometry(window)
        self.window_rect = (x, y, w, h)
        self.client_x, self.client_y = x, y + h - CLIENT_H

    def picture_rect(self, card):
        col, row = card % 8, card // 8
        return self.client_x + LEFTS[col] + 2, self.client_y + TOPS[row] + 2, VISIBLE_WIDTH, PICTURE

    def centre_of(self, card):
        x, y, w, h = self.picture_rect(card)
        return x + w // 2, y + h // 2

    def pictures(self, shot):
        return [shot.region(*self.picture_rect(c)) for c in range(24)]


class PlayTest(unittest.TestCase):
    def setUp(self):
        self.artifacts = scratch_dir()
        self.desktop = Desktop(self.artifacts)
        self.game = self.desktop.start(PROGRAM)
        self.window = self.desktop.wait_window(TITLE)
        self.board = Board(self.desktop, self.window)
        time.sleep(0.5)  # first paint

    def tearDown(self):
        if self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        self.desktop.close()

    def test_deals_face_down_turns_a_card_and_closes(self):
        x, y, w, h = self.board.window_rect
        self.assertEqual(w, CLIENT_W)
        self.assertLessEqual(abs((x + w / 2) - 640), 1, "window not centred horizontally")
        self.assertLessEqual(abs((y + h / 2) - 512), 1, "window not centred vertically")

        shot = self.desktop.screenshot("board.png")
        backs = self.board.pictures(shot)
        self.assertEqual(len(set(backs)), 1, "the 24 cards do not show one and the same back")
        corner = shot.pixel(*self.board.picture_rect(0)[:2])
        self.assertEqual(corner, (255, 255, 255), "the back has no white background")

        self.desktop.click(*self.board.centre_of(9))
        after = wait_until(lambda: self._changed(9, backs[9]), 5, "card 9 to turn")
        others = [p for i, p in enumerate(self.board.pictures(after)) if i != 9]
        self.assertEqual(set(others), {backs[0]}, "a card other than the clicked one changed")

        self.desktop.ask_to_close(self.window)
        self.assertEqual(self.game.wait(timeout=10), 0)

    def _changed(self, card, before):
        shot = self.desktop.screenshot("turned.png")
        return shot if self.board.pictures(shot)[card] != before else None


if __name__ == "__main__":
    unittest.main(verbosity=2)
