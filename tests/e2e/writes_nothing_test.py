"""The real game under strace on a private Xvfb: a few turns of play, the
access number, the About dialog with its system-information button, and the
close button. It may change nothing but the toolkit's own folders, open no
socket but the display's, start no program and ignore its command line."""

import os
import shutil
import sys
import unittest

from desktop import TITLE, CardGrid, Desktop, scratch_dir, wait_until
import strace_log
import touch_rules

PROGRAM = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else "build/ui/duomira")
PASSWORD_TITLE = "패스워드 입력"
ABOUT_TITLE = "토리무나 그림 맞추기 게임에 대하여.."
MESSAGE_TITLE = "Duomira"
# Where the trace goes: files, sockets, System V IPC, and the descriptor calls
# that change a file's size, mode or attributes.
TRACED = ("%file,%ipc,socket,socketpair,connect,bind,listen,accept,accept4,sendto,sendmsg,"
          "sendmmsg,ftruncate,fallocate,fchmod,fchown,fsetxattr,fremovexattr")
INHERITED = ("PATH", "LANG", "LANGUAGE", "TZ")


class Session:
    """The folders of one traced run; the scratch folder itself is the test's."""

    def __init__(self, root):
        shutil.rmtree(root, ignore_errors=True)
        self.root = root
        self.traces = self._folder("trace")
        self.runtime = self._folder("runtime")
        os.chmod(self.runtime, 0o700)
        self.home = self._folder("home")
        self.arguments = os.path.join(root, "arguments")  # never made: nothing may look

    def _folder(self, name):
        path = os.path.join(self.root, name)
        os.makedirs(path)
        return path

    def environment(self, display):
        """Only the test's own display, runtime folder and an empty session bus:
        nothing of the desktop the suite happens to run in."""
        env = {k: v for k, v in os.environ.items() if k in INHERITED or k.startswith("LC_")}
        env.update(DISPLAY=display, HOME=self.home, XDG_RUNTIME_DIR=self.runtime,
                   XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                   XDG_CACHE_HOME=os.path.join(self.home, ".cache"),
                   XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                   DBUS_SESSION_BUS_ADDRESS=f"unix:path={self.session_bus}")
        return env

    @property
    def session_bus(self):
        return os.path.join(self.runtime, "bus")

    def odd_arguments(self):
        # Qt's own options among them: the window must keep its title and look.
        return ["-qwindowtitle", "X", "-reverse", "--new-game", "-5.82",
                f"--config={self.arguments}/duomira.ini",
                f"{self.arguments}/saved-game", "/?"]

    def allowances(self, display_number):
        return touch_rules.Allowances(
            program=PROGRAM, cwd=self.home, display_number=display_number,
            runtime_dir=self.runtime, font_cache_dir=os.path.join(self.home, ".cache", "fontconfig"),
            session_bus=self.session_bus, unread=[self.arguments])


class WritesNothingTest(unittest.TestCase):
    def setUp(self):
        self.session = Session(os.path.join(scratch_dir(), "writes-nothing"))
        self.desktop = Desktop(self.session.root)
        self.addCleanup(self.desktop.close)  # also when starting the game fails
        tracer = ["strace", "-ff", "-qq", "-yy", "--seccomp-bpf", "-s", "64", "-e",
                  f"trace={TRACED}", "-o", os.path.join(self.session.traces, "task")]
        self.game = self.desktop.start(
            PROGRAM, args=self.session.odd_arguments(), launcher=tracer,
            base_env=self.session.environment(self.desktop.name), cwd=self.session.home)
        self.addCleanup(self._stop_game)

    def _stop_game(self):
        if self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        self.game.stdout.close()

    def test_a_game_and_both_dialogs_touch_nothing_but_the_display(self):
        window = self.desktop.wait_window(TITLE, 30)
        grid = CardGrid(self.desktop, window)
        back = wait_until(lambda: self._dealt_back(grid), 10, "the deal, every card face down")
        paired = self._play_a_few_turns(grid, back)
        self.assertTrue(all(grid.pictures(self.desktop.grab())[c] != back for c in paired),
                        "a found pair turned back")
        self._reveal_with_the_access_number(window, grid, back)
        self._ask_for_system_information(window)
        self.desktop.ask_to_close(window)
        self.assertEqual(self.game.wait(timeout=30), 0, self.game.stdout.read().decode())

        calls = strace_log.read_folder(self.session.traces)
        allow = self.session.allowances(self.desktop.number)
        self.assertTrue(touch_rules.display_connections(calls, allow),
                        f"no connection to the display in the trace of {len(calls)} calls")
        found = touch_rules.problems(calls, allow)
        if found:
            self.fail(f"the game went beyond the display (trace in {self.session.traces}):\n  "
                      + "\n  ".join(found))

    def _dealt_back(self, grid):
        """The one picture all 24 cards show, once it is painted (not a plain fill)."""
        pictures = set(grid.pictures(self.desktop.grab()))
        back = pictures.pop() if len(pictures) == 1 else b""
        return back if len({back[i:i + 3] for i in range(0, len(back), 3)}) > 1 else None

    def _play_a_few_turns(self, grid, back):
        """Turns never-seen cards first and remembers their faces, so a face
        seen before makes a pair and any other remembered card a miss."""
        fresh, seen, paired = list(range(24)), {}, []
        misses = 0
        while (len(paired) < 4 or misses < 2) and len(fresh) > 1:
            first = fresh.pop(0)
            face = self._turn_first(grid, first, back)
            partner = next((c for c, p in seen.items() if p == face), None)
            second = partner if partner is not None else next(iter(seen), None)
            if second is None:  # nothing remembered yet: any card, pair or not
                second = fresh.pop(0)
            pair = self._turn_second(grid, first, second, back)
            if partner is not None:
                self.assertTrue(pair, f"cards {first} and {second} show one face but did not pair")
            elif second in seen:
                self.assertFalse(pair, f"cards {first} and {second} paired with different faces")
            if pair:
                paired += [first, second]
                seen.pop(second, None)
            else:
                misses += 1
                seen[first] = face
                if second not in seen:
                    fresh.append(second)
        self.assertGreaterEqual((len(paired), misses), (4, 2), "too few pairs and misses played")
        return paired

    def _turn_first(self, grid, card, back):
        self.desktop.click(*grid.centre_of(card))
        return wait_until(lambda: self._face(grid, card, back), 10, f"card {card} to show its face")

    def _face(self, grid, card, back):
        picture = grid.pictures(self.desktop.grab())[card]
        return picture if picture != back else None

    def _turn_second(self, grid, first, second, back):
        """True for a pair; a miss is seen once both are face down again."""
        self.desktop.click(*grid.centre_of(second))

        def settled():
            pictures = grid.pictures(self.desktop.grab())
            both = (pictures[first], pictures[second])
            if both == (back, back):
                return "miss"
            return "pair" if both[0] == both[1] else None

        return wait_until(settled, 10, f"cards {first} and {second} to settle") == "pair"

    def _reveal_with_the_access_number(self, window, grid, back):
        self.desktop.focus(window)
        self.desktop.keys("alt+g", "o")
        dialog = self.desktop.wait_window(PASSWORD_TITLE, 10)
        self.desktop.focus(dialog)
        self.desktop.type("-5.82")
        self.desktop.keys("Return")
        wait_until(lambda: not self.desktop.windows_titled(PASSWORD_TITLE), 10, "the dialog to close")
        faces = wait_until(lambda: self._all_faces(grid, back), 10, "every card to show its face")
        self.assertEqual(sorted({faces.count(f) for f in faces}), [2], "faces are not in pairs")

    def _all_faces(self, grid, back):
        pictures = grid.pictures(self.desktop.grab())
        return pictures if back not in pictures else None

    def _ask_for_system_information(self, window):
        self.desktop.focus(window)
        self.desktop.keys("alt+f", "a")
        about = self.desktop.wait_window(ABOUT_TITLE, 10)
        self.desktop.focus(about)
        self.desktop.keys("alt+s")
        message = self.desktop.wait_window(MESSAGE_TITLE, 10)
        self.desktop.focus(message)
        self.desktop.keys("Return")
        wait_until(lambda: not self.desktop.windows_titled(MESSAGE_TITLE), 10, "the message to close")
        self.desktop.focus(about)
        self.desktop.keys("Escape")
        wait_until(lambda: not self.desktop.windows_titled(ABOUT_TITLE), 10, "About to close")


if __name__ == "__main__":
    unittest.main(verbosity=2)
