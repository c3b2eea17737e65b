# The game played as a blind player plays it: with the keyboard alone and
# Orca, the screen reader, on a private Xvfb and session bus. Where the focus
# is and every card's face are learnt from what Orca says, and every status
# Orca says as it changes is checked; then the access number is typed into
# the password box, and none of it may be spoken. Orca's speech is read from
# its debug log. The program is the desktop game, or the page in a browser.
# Usage: dbus-run-session -- xvfb-run ... screen_reader_test.py <program>
#        ... screen_reader_test.py <page folder> chromium|firefox-esr

import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

import pyatspi

from xscreen import TITLE, end, wait_until

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "web"))
from browsers import serve, write_firefox_prefs  # noqa: E402  (the page tests' own)

PROGRAM = sys.argv.pop(1)
BROWSER = sys.argv.pop(1) if len(sys.argv) > 1 and not sys.argv[1].startswith("-") else None
COLUMNS, CARDS = 8, 24
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?{")
# A card as Orca reads it where the focus comes to it ("... push button.", in
# the page's grid perhaps "not selected" too), and as the news of a card that
# turned under the focus ("notification ..." on the desktop, a live region's
# plain text in a browser).
CARD_SPOKEN = re.compile(
    r"^(?:notification )?(\d)행 (\d)열, (.+?)(, 짝 맞춤)?(?: push button(?: not selected)?)?\.?$")
def focused_card_named(name):
    def focused(accessible):
        return accessible is not None and accessible.name == name and \
            accessible.getState().contains(pyatspi.STATE_FOCUSED)
    return any(pyatspi.findDescendant(application, focused) for application in
               pyatspi.Registry.getDesktop(0) if application is not None)


# Orca itself, with its settings in a folder of the test's. Its debug
# log, where it writes all it says, goes to a terminal: Orca then writes it
# line by line, where to a file it would write only now and then.
class Orca:
    def __init__(self, folder):
        # Orca starts its speech server in the runtime folder it is given.
        runtime = os.path.join(folder, "run")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, XDG_DATA_HOME=folder,
                   XDG_RUNTIME_DIR=runtime)
        terminal, log = pty.openpty()
        self.process = subprocess.Popen(
            ["orca", "--user-prefs", os.path.join(folder, "prefs"), "--debug-file", "/dev/stderr"],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=log)
        os.close(log)
        self.output, self.heard = [], 0
        threading.Thread(target=self.read, args=(terminal,), daemon=True).start()
        wait_until(lambda: "Screen reader on." in self.said(), "Orca to start")

    def read(self, terminal):
        with os.fdopen(terminal, "rb") as lines:
            try:
                for line in lines:
                    self.output.append(line.decode(errors="replace"))
            except OSError:  # Orca has ended
                pass

    def said(self):
        return [m[1] for m in map(SPOKEN.search, list(self.output)) if m]

    def next_saying(self, wanted, what, since=None, seconds=60):
        # The first thing said since the last one taken (or since a mark)
        # that matches.
        start = self.heard if since is None else since
        def found():
            for index, said in enumerate(self.said()[start:], start):
                if match := wanted(said):
                    self.heard = max(self.heard, index + 1)
                    return match
            return None
        try:
            return wait_until(found, f"Orca to say {what}", seconds)
        except AssertionError as timeout:
            raise AssertionError(f"{timeout}; Orca said: {self.said()[start:]}") from None


class ScreenReader(unittest.TestCase):
    def setUp(self):
        folder = tempfile.mkdtemp(prefix="duomira-orca-")
        self.addCleanup(shutil.rmtree, folder, True)
        self.orca = Orca(folder)
        # Orca's own way out can outlast a busy machine's patience; what it
        # said has been judged by then.
        self.addCleanup(end, self.orca.process)
        game = self.open_page(folder) if BROWSER else subprocess.Popen(
            # On the X server, whichever platform the widget tests around it use.
            [PROGRAM], env={k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"})
        self.addCleanup(end, game)
        self.focus_game()
        # A browser's window shows, and takes keys for itself, before the
        # page's program has dealt and the first card has the focus.
        wait_until(lambda: focused_card_named("1행 1열, 뒷면"), "the first card's focus")
        # Whether the reader speaks that focus, and a move soon after, depends
        # on when it has taken in the window and the page: the test moves the
        # focus away and back until it does.
        self.here = 0
        for attempt in reversed(range(12)):
            self.key("Tab", "shift+Tab")
            try:
                self.hear_card(0, "뒷면", seconds=5)
                break
            except AssertionError:
                if not attempt:
                    raise

    def focus_game(self):
        # With no window manager on the Xvfb, the test hands the game the focus.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{TITLE}",
                        "windowfocus", "--sync"], check=True, stdout=subprocess.DEVNULL)

    def open_page(self, folder):
        # The page, from the static server `make web-run` starts, in a new
        # window of the browser with a profile of its own.
        server, page = serve(PROGRAM)
        self.addCleanup(end, server)
        profile = os.path.join(folder, "profile")
        command = {"chromium": ["chromium", "--no-sandbox", "--disable-gpu", "--no-first-run",
                                "--force-renderer-accessibility", f"--user-data-dir={profile}",
                                f"--app={page}"],
                   "firefox-esr": ["firefox-esr", "--no-remote", "--profile", profile, page]}[BROWSER]
        os.makedirs(profile)
        write_firefox_prefs(profile)
        return subprocess.Popen(command, env=dict(os.environ, GNOME_ACCESSIBILITY="1", HOME=folder),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)

    def hear_card(self, card, face=None, since=None, seconds=60):
        # What Orca says of the card: its place, its face, that it is a button.
        row, column = divmod(card, COLUMNS)

        def about_card(said):
            m = CARD_SPOKEN.match(said)
            return m and m.group(1, 2) == (str(row + 1), str(column + 1)) and \
                (m[3] == face if face else m[3] != "뒷면") and m
        return self.orca.next_saying(about_card, f"card {card} ({face or 'face up'})", since, seconds)[3]

    def move_to(self, target):
        # Arrows, Home/End and Tab, as a player finds a card by its place.
        if target == self.here:
            return
        if target == self.here + 1:
            keys = ["Tab"]
        else:
            row, column = divmod(target, COLUMNS)
            rows = row - self.here // COLUMNS
            keys = ["Down" if rows > 0 else "Up"] * abs(rows)
            keys += ["Home"] + ["Right"] * column if column < COLUMNS - 1 else ["End"]
        self.key(*keys)
        self.orca.next_saying(lambda s: CARD_SPOKEN.match(s) and s.startswith(
            f"{target // COLUMNS + 1}행 {target % COLUMNS + 1}열,"), f"the focus on card {target}")
        self.here = target

    def turn(self, card, key="space"):
        # The face Orca says the card shows once it is turned.
        self.move_to(card)
        self.mark = len(self.orca.said())  # the status may come before the card's name
        self.key(key)
        return self.hear_card(card)

    def hear_status(self, status):
        self.orca.next_saying(lambda s: s in (f"notification {status}.", status), status, self.mark)

    def test_a_whole_game_by_keys_heard_through_orca_then_the_password_box(self):
        seen, matched, attempts = {}, set(), 0
        while len(matched) < CARDS:
            # A pair already seen, else a card not yet seen and its partner if known.
            pairs = [a for a in seen for b in seen
                     if a < b and seen[a] == seen[b] and not {a, b} & matched]
            first = pairs[0] if pairs else next(c for c in range(CARDS) if c not in seen)
            picture = seen[first] = self.turn(first)
            partners = [c for c, p in seen.items() if p == picture and c != first and c not in matched]
            second = partners[0] if partners else next(c for c in range(CARDS) if c not in seen)
            seen[second] = self.turn(second, "Return")
            attempts += 1
            if seen[second] == picture:
                matched |= {first, second}
                if len(matched) < CARDS:
                    self.hear_status(f"{attempts}번째에 {len(matched) // 2}개 그림이 열렸습니다")
            else:
                self.hear_status(f"{attempts}회")
                # The card under the focus turns back after the interval, and says so.
                self.hear_card(second, "뒷면")
        self.hear_status(f"{attempts}번째에 12개 성공했네요")
        self.assertEqual(sorted(list(seen.values()).count(face) for face in set(seen.values())),
                         [2] * 12, f"the faces Orca said: {seen}")
        # The password box, named for what it asks; the access number typed
        # into it stays private, and the cards show their faces.
        self.key("alt+g")
        self.orca.next_saying(lambda s: "다시 시작(S)" in s, "the Game menu")
        self.key("o")
        self.orca.next_saying(lambda s: s.startswith("패스워드 password text"), "the password box")
        typed = len(self.orca.said())
        subprocess.run(["xdotool", "type", "--delay", "80", "--", "-5.82"], check=True)
        self.key("Return")
        self.focus_game()
        self.hear_card(self.here, since=typed)
        spoken = self.orca.said()[typed:]
        self.assertFalse([s for s in spoken if re.search(r"\d|^[-.]$|dash|dot|minus|point", s) and
                          not CARD_SPOKEN.match(s)], f"the access number spoken: {spoken}")


if __name__ == "__main__":
    unittest.main()
