# The game played as a blind player plays it: with the keyboard alone, every
# card found and every status read through the AT-SPI accessibility tree that
# a screen reader sees, on a private Xvfb and session bus.
# Usage: dbus-run-session -- xvfb-run ... screen_reader_test.py <program>

import os
import re
import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import Gio, GLib

from xscreen import PASSWORD, TITLE, Screen

PROGRAM = sys.argv.pop(1)
COLUMNS, CARDS = 8, 24
CARD_NAME = re.compile(r"^(\d)행 (\d)열, (.+?)(, 짝 맞춤)?$")


def pump_until(condition, what, seconds=60):
    """Waits with the event loop running, so that announcements come in; the
    budget is wall-clock time, with room for a machine four times slower."""
    context, deadline = GLib.MainContext.default(), time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if value := condition():
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {seconds} s waiting for {what}")
        time.sleep(0.02)


def descendant(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda a: a.getRole() == role and (name is None or a.name == name))


def turn_on_screen_reader():
    # What a screen reader does as it starts: the toolkits then open their trees.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    value = GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True)))
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  value, None, Gio.DBusCallFlags.NONE, -1, None)


class ScreenReader(unittest.TestCase):
    def setUp(self):
        turn_on_screen_reader()
        self.announced = []
        pyatspi.Registry.registerEventListener(self.heard, "object:property-change:accessible-name")
        # On the X server, whichever platform the widget tests around it use.
        env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        self.game = subprocess.Popen([PROGRAM], env=env)
        self.addCleanup(self.game.kill)
        self.frame = pump_until(lambda: self.window(TITLE), "the game in the accessibility tree")
        # With no window manager on the Xvfb, the test hands the game the focus.
        subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.game.pid), "--name", TITLE,
                        "windowfocus", "--sync"],
                       check=True, stdout=subprocess.DEVNULL)
        self.cards = list(descendant(self.frame, pyatspi.ROLE_PANEL, "그림판"))
        self.status = descendant(self.frame, pyatspi.ROLE_MENU_BAR)[-1]

    def heard(self, event):
        self.announced.append((event.source.getRoleName(), event.source.name))

    def window(self, title):
        # This test's game only: an earlier one may linger in the registry a while.
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.get_process_id() != self.game.pid:
                continue
            for window in app:
                if window is not None and window.name == title:
                    return window
        return None

    def key(self, *keys):
        subprocess.run(["xdotool", "key", *keys], check=True)

    def focused(self):
        found = [i for i, card in enumerate(self.cards)
                 if card.getState().contains(pyatspi.STATE_FOCUSED)]
        return found[0] if len(found) == 1 else None

    def move_to(self, target):
        """Arrows, Home/End and Tab, as a player finds a card by its place."""
        pump_until(lambda: self.focused() is not None, "a focused card")
        here = self.focused()
        if target == here + 1:
            keys = ["Tab"]
        else:
            row, column = divmod(target, COLUMNS)
            rows = row - here // COLUMNS
            keys = ["Down" if rows > 0 else "Up"] * abs(rows)
            keys += ["Home"] + ["Right"] * column if column < COLUMNS - 1 else ["End"]
        self.key(*keys)
        pump_until(lambda: self.focused() == target, f"the focus on card {target}")

    def turn(self, card, key="space"):
        self.move_to(card)
        self.key(key)
        name = pump_until(lambda: CARD_NAME.match(self.cards[card].name)
                          if "뒷면" not in self.cards[card].name else None, f"card {card} up")
        return name[3]

    def wait_face_down(self, card):
        pump_until(lambda: self.cards[card].name.endswith("뒷면"), f"card {card} down again")

    def test_a_whole_game_by_keys_and_the_accessibility_tree_then_the_password_box(self):
        self.assertEqual(len(self.cards), CARDS)
        self.assertTrue(all(c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.name.endswith("뒷면")
                            for c in self.cards))
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
                self.assertTrue(self.cards[second].name.endswith(", 짝 맞춤"))
            else:
                self.assertEqual(self.status.name, f"{attempts}회")
                self.wait_face_down(second)
        final = f"{attempts}번째에 12개 성공했네요"
        pump_until(lambda: self.status.name == final, "the congratulation")
        pump_until(lambda: ("menu item", final) in self.announced, "the congratulation announced")
        # The board is back after its blink, every card named as matched, and
        # the keyboard where it was.
        pump_until(lambda: all(c.name.endswith("짝 맞춤") for c in self.cards), "a matched board")
        pump_until(lambda: self.focused() == second, "the focus back on the board")
        screen = Screen(dict(os.environ))
        screen.menu(screen.wait_window(TITLE), "alt+g", "o")
        dialog = pump_until(lambda: self.window(PASSWORD), "the password box")
        self.assertIsNotNone(descendant(dialog, pyatspi.ROLE_PASSWORD_TEXT, "패스워드"))

if __name__ == "__main__":
    unittest.main()
