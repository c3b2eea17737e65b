# The game under a real window manager with two monitors side by side:
# openbox or KWin on an X server of the test's own (Xorg's dummy driver), or
# GNOME's mutter as a headless Wayland session, where the game goes to the session's
# X server (XWayland) to be framed as designed. The main window and the
# password dialog centred frame and all, the dialogs on the game's monitor,
# the password dialog without an owner, neither dialog maximisable, a
# minimised password dialog brought back by its command, and About above the
# board however the player clicks, minimising and restoring the two together.
# Usage: window_manager_test.py <program> <scratch folder> openbox|kwin|mutter

import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import unittest

from Xlib import X, Xatom, display as xdisplay

from xscreen import ABOUT, PASSWORD, TITLE, wait_until

PROGRAM, SCRATCH, MANAGER = sys.argv[1:4]
del sys.argv[1:4]
MONITOR_WIDTH, MONITOR_HEIGHT = 1280, 1024
# The client area's place of About on its screen: 2340 and 1935 twips.
ABOUT_LEFT, ABOUT_TOP = 156, 129


def free_display():
    return next(n for n in range(90, 200) if not os.path.exists(f"/tmp/.X11-unix/X{n}")
                and not os.path.exists(f"/tmp/.X{n}-lock"))


class WindowManager(unittest.TestCase):
    def setUp(self):
        # The game picks its own platform, as on a player's desktop.
        os.environ.pop("QT_QPA_PLATFORM", None)
        shutil.rmtree(SCRATCH, ignore_errors=True)
        os.makedirs(SCRATCH)
        self.game_env = self.start_mutter() if MANAGER == "mutter" else self.start_x_server()
        self.x = xdisplay.Display(self.env["DISPLAY"])
        self.root = self.x.screen().root
        wait_until(lambda: self.prop(self.root, "_NET_SUPPORTING_WM_CHECK"), MANAGER)

    def start_x_server(self):
        number = free_display()
        self.env = dict(os.environ, DISPLAY=f":{number}")
        self.start(["Xorg", f":{number}", "-config", os.path.join(os.path.dirname(__file__), "two-monitors.xorg.conf"),
                    "-configdir", os.path.join(SCRATCH, "none"), "-logfile",
                    os.path.join(SCRATCH, "xorg.log"), "-nolisten", "tcp", "-noreset",
                    "-novtswitch", "-sharevts"])
        wait_until(lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), "the X server", 120)
        # The right-hand monitor: a second output of the dummy driver.
        subprocess.run(["xrandr", "--addmode", "DUMMY1", "1280x1024"], env=self.env, check=True)
        subprocess.run(["xrandr", "--output", "DUMMY0", "--mode", "1280x1024", "--pos", "0x0",
                        "--primary", "--output", "DUMMY1", "--mode", "1280x1024", "--pos",
                        "1280x0"], env=self.env, check=True)
        self.start({"openbox": ["openbox", "--sm-disable"],
                    "kwin": ["dbus-run-session", "--", "kwin_x11", "--replace"]}[MANAGER])
        return self.env

    def start_mutter(self):
        # GNOME's session as Debian starts it, headless: a Wayland compositor
        # with a bus of its own, offering its X server to the programs it runs.
        runtime = os.path.join(SCRATCH, "run")
        os.mkdir(runtime, 0o700)
        size = f"{MONITOR_WIDTH}x{MONITOR_HEIGHT}"
        log = open(os.path.join(SCRATCH, "mutter.log"), "w+")
        self.addCleanup(log.close)
        self.start(["dbus-run-session", "--", "mutter", "--wayland", "--headless", "--virtual-monitor",
                    size, "--virtual-monitor", size, "--wayland-display=duomira-test"],
                   dict(os.environ, XDG_RUNTIME_DIR=runtime), log)
        display = wait_until(lambda: re.findall(r"Using public X11 display (:\d+)",
                                                open(log.name).read()), "mutter's X server", 120)[0]
        cookie = wait_until(lambda: glob.glob(os.path.join(runtime, ".mutter-Xwaylandauth.*")), "its cookie")[0]
        os.environ["XAUTHORITY"] = cookie  # where python-xlib looks for it
        self.env = dict(os.environ, DISPLAY=display)
        game_runtime = os.path.join(SCRATCH, "game-run")
        os.mkdir(game_runtime, 0o700)
        return dict(self.env, XDG_RUNTIME_DIR=game_runtime, XDG_SESSION_TYPE="wayland",
                    WAYLAND_DISPLAY=os.path.join(runtime, "duomira-test"))

    def start(self, command, env=None, output=subprocess.DEVNULL):
        # Each in a process group of its own, which ends with it: a bus
        # session's window manager would outlive the bus.
        process = subprocess.Popen(command, env=env or self.env, stdout=output, stderr=output,
                                   start_new_session=True)
        self.addCleanup(process.wait)
        self.addCleanup(os.killpg, process.pid, signal.SIGTERM)
        return process

    def atom(self, name):
        return self.x.intern_atom(name)

    def prop(self, window, name, kind=X.AnyPropertyType):
        value = window.get_full_property(self.atom(name), kind)
        return list(value.value) if value is not None else None

    def clients(self):
        return [self.x.create_resource_object("window", w)
                for w in self.prop(self.root, "_NET_CLIENT_LIST_STACKING") or []]

    def client(self, title):
        def titled():
            for window in self.clients():
                name = window.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
                if name and name.value.decode() == title and self.viewable(window):
                    return window
            return None
        return wait_until(titled, f"'{title}' on screen", 120)

    @staticmethod
    def viewable(window):
        try:
            return window.get_attributes().map_state == X.IsViewable
        except Exception:  # gone meanwhile
            return False

    def outer(self, window):
        # The whole window on the screen: client area and frame.
        left, right, top, bottom = self.prop(window, "_NET_FRAME_EXTENTS")
        g, origin = window.get_geometry(), window.translate_coords(self.root, 0, 0)
        return -origin.x - left, -origin.y - top, g.width + left + right, g.height + top + bottom

    def assert_centred(self, window, monitor_left):
        left, top, width, height = self.outer(window)
        self.assertLessEqual(abs(left - (monitor_left + (MONITOR_WIDTH - width) / 2)), 1)
        self.assertLessEqual(abs(top - (MONITOR_HEIGHT - height) / 2), 1)

    def above(self, upper, lower):
        order = [w.id for w in self.clients()]
        return order.index(upper.id) > order.index(lower.id)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def menu(self, window, *keys):
        self.xdotool("windowactivate", "--sync", str(window.id))
        self.xdotool("key", "--delay", "300", *keys)

    def test_windows_and_dialogs_under_a_window_manager_on_two_monitors(self):
        self.start([PROGRAM], self.game_env)
        game = self.client(TITLE)
        wait_until(lambda: self.outer(game)[0] > 0, "the game's frame")
        wait_until(lambda: abs(self.outer(game)[1] - (MONITOR_HEIGHT - self.outer(game)[3]) / 2) <= 1,
                   "the game centred with its frame")
        self.assert_centred(game, 0)

        # The game moves to the right-hand monitor; its dialogs open there.
        self.xdotool("windowmove", "--sync", str(game.id), str(MONITOR_WIDTH + 200), "150")
        self.menu(game, "alt+g", "o")
        password = self.client(PASSWORD)
        wait_until(lambda: self.outer(password)[0] > MONITOR_WIDTH, "the password dialog's frame")
        wait_until(lambda: self.prop(password, "WM_TRANSIENT_FOR") is None, "no owner")
        self.assert_centred(password, MONITOR_WIDTH)
        self.assertEqual(self.prop(password, "_NET_WM_WINDOW_TYPE")[0],
                         self.atom("_NET_WM_WINDOW_TYPE_UTILITY"))

        if MANAGER != "mutter":  # mutter minimises no dialog
            # Minimised, it comes back with its command, in front of the game.
            self.xdotool("windowminimize", "--sync", str(password.id))
            self.menu(game, "alt+g", "o")
            wait_until(lambda: self.viewable(password) and self.above(password, game),
                       "the password dialog back in front")

        self.menu(game, "alt+f", "a")
        about = self.client(ABOUT)
        self.assertEqual(self.prop(about, "WM_TRANSIENT_FOR", Xatom.WINDOW), [game.id])
        origin = about.translate_coords(self.root, 0, 0)
        self.assertEqual((-origin.x, -origin.y), (MONITOR_WIDTH + ABOUT_LEFT, ABOUT_TOP))
        # A click on the board leaves About above it; minimised, it comes back.
        left, top, width, height = self.outer(game)
        self.xdotool("mousemove", str(left + width // 2), str(top + height - 20), "click", "1")
        wait_until(lambda: self.above(about, game), "About above the board")
        # Minimised, either takes the other along (where the window manager
        # lets the player minimise it; mutter keeps a board with About up);
        # both come back together.
        for minimised in (game, about) if MANAGER != "mutter" else ():
            if self.atom("_NET_WM_ACTION_MINIMIZE") not in self.prop(minimised, "_NET_WM_ALLOWED_ACTIONS"):
                continue
            self.xdotool("windowminimize", str(minimised.id))
            wait_until(lambda: not self.viewable(game) and not self.viewable(about),
                       "About and the board minimised together")
            self.xdotool("windowactivate", str(game.id))
            wait_until(lambda: self.viewable(about) and self.above(about, game),
                       "About back above the board")

        # No window offers to be maximised; the game's window alone to be
        # minimised, where the window manager leaves that to the program.
        for window in (game, password, about):
            actions = self.prop(window, "_NET_WM_ALLOWED_ACTIONS")
            self.assertNotIn(self.atom("_NET_WM_ACTION_MAXIMIZE_HORZ"), actions)
            if MANAGER == "mutter":
                self.assertEqual(self.atom("_NET_WM_ACTION_MINIMIZE") in actions, window == game)


if __name__ == "__main__":
    unittest.main()
