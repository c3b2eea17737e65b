"""The real game under Xvfb: it opens centred, deals face down, turns a card
on a click, and ends when its window is closed."""

import sys
import time
import unittest

from desktop import TITLE, CardGrid, Desktop, scratch_dir, wait_until

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/ui/duomira"

CLIENT_W = 644


class PlayTest(unittest.TestCase):
    def setUp(self):
        self.artifacts = scratch_dir()
        self.desktop = Desktop(self.artifacts)
        self.addCleanup(self.desktop.close)  # also when the game never shows up
        self.game = self.desktop.start(PROGRAM)
        self.addCleanup(self._stop_game)
        self.window = self.desktop.wait_window(TITLE)
        self.board = CardGrid(self.desktop, self.window)
        time.sleep(0.5)  # first paint

    def _stop_game(self):
        if self.game.poll() is None:
            self.game.kill()
            self.game.wait()

    def test_deals_face_down_turns_a_card_and_closes(self):
        x, y, w, h = self.desktop.geometry(self.window)
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

    def test_access_number_from_the_keyboard_reveals_every_pair(self):
        backs = self.board.pictures(self.desktop.screenshot("before-reveal.png"))
        self.desktop.focus(self.window)
        self.desktop.keys("alt+g", "o")
        dialog = self.desktop.wait_window("패스워드 입력", 10)
        self.desktop.focus(dialog)
        self.desktop.type("-5.82")
        self.desktop.keys("Return")
        wait_until(lambda: not self.desktop.windows_titled("패스워드 입력"), 10, "the dialog to close")
        faces = self.board.pictures(self.desktop.screenshot("revealed.png"))
        self.assertNotIn(backs[0], faces, "a card still shows its back")
        counts = {face: faces.count(face) for face in faces}
        self.assertEqual(len(counts), 12)
        self.assertEqual(set(counts.values()), {2})

    def test_about_dialog_blocks_the_board_and_reports_no_tool(self):
        self.desktop.focus(self.window)
        self.desktop.keys("alt+f", "a")
        about = self.desktop.wait_window("토리무나 그림 맞추기 게임에 대하여..", 10)
        self.desktop.screenshot("about.png")
        before = self.board.pictures(self.desktop.screenshot("about-open.png"))
        self.desktop.click(*self.board.centre_of(2))
        time.sleep(0.5)
        self.assertEqual(self.board.pictures(self.desktop.screenshot("about-click.png")), before,
                         "a card turned while the About dialog was open")

        self.desktop.focus(about)
        self.desktop.keys("alt+s")
        message = self.desktop.wait_window("Duomira", 10)
        self.desktop.screenshot("sysinfo-message.png")
        self.desktop.focus(message)
        self.desktop.keys("Return")
        wait_until(lambda: not self.desktop.windows_titled("Duomira"), 10, "the message to close")
        self.assertTrue(self.desktop.windows_titled("토리무나 그림 맞추기 게임에 대하여.."),
                        "the About dialog closed with the message")

        self.desktop.focus(about)
        self.desktop.keys("Escape")
        wait_until(lambda: not self.desktop.windows_titled("토리무나 그림 맞추기 게임에 대하여.."), 10,
                   "Escape to close the About dialog")
        self.desktop.click(*self.board.centre_of(2))
        wait_until(lambda: self._changed(2, before[2]), 5, "the board to take clicks again")

    def _changed(self, card, before):
        shot = self.desktop.screenshot("turned.png")
        return shot if self.board.pictures(shot)[card] != before else None


if __name__ == "__main__":
    unittest.main(verbosity=2)
