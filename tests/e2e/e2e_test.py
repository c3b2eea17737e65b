# The game as installed from its package, on a private Xvfb and under strace,
# in three sessions: a desktop's (a live session bus, a runtime folder), a
# bare X session's (no bus address, no runtime folder, no TMPDIR) and one with
# a read-only HOME. In each it opens centred with every card face down, turns
# a card, blocks the board under About and reveals every pair for the access
# number typed at the keyboard, and ends with its window; all the while it
# ignores its command line, starts nothing, writes nothing and talks to no one
# but the display and the session bus. Usage: e2e_test.py <program>

import glob
import os
import pwd
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from Xlib import X, display as xdisplay, protocol

PROGRAM = os.path.realpath(sys.argv.pop(1))
TITLE, ABOUT, PASSWORD = "토리무나 그림 맞추기 게임", "토리무나 그림 맞추기 게임에 대하여..", "패스워드 입력"
# Where the card pictures lie in the client area; neighbours overlap and the
# frame cuts off column 7, so only the left 70 of 80 columns are sure to show.
LEFTS, TOPS = [7, 86, 165, 245, 324, 403, 482, 561], [16, 118, 219]
CALL = re.compile(r"^(\w+)\((.*)\)\s+= (-?\d+)(?:<(.*?)(?:<char [\d:]+>)?>)?")
WRITES = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE")
STARTS = {"execve", "execveat", "fork", "vfork", "clone", "clone3"}
CHANGES = {"mkdir", "mkdirat", "rmdir", "unlink", "unlinkat", "rename", "renameat", "renameat2",
           "link", "linkat", "symlink", "symlinkat", "truncate", "ftruncate", "chmod", "fchmod",
           "fchmodat", "chown", "fchown", "fchownat", "utimensat", "mknod", "mknodat", "creat"}


def wait_until(condition, what, seconds=15):
    for _ in range(seconds * 20):
        if value := condition():
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="duomira-e2e-")
        self.addCleanup(shutil.rmtree, self.root, True)
        self.x = xdisplay.Display()  # the private Xvfb that xvfb-run started for the test
        self.env = {k: v for k, v in os.environ.items()
                    if k in ("PATH", "LANG", "DISPLAY", "XAUTHORITY") or k[:3] == "LC_"}

    def test_plays_in_every_session_and_touches_nothing_but_the_display_and_the_bus(self):
        user = pwd.getpwuid(os.geteuid()).pw_name
        for session in ("desktop", "bare", "read-only home"):
            with self.subTest(session=session):
                run, home = f"{self.root}/{session}/run", f"{self.root}/{session}/home"
                os.makedirs(run, mode=0o700)
                os.makedirs(home, mode=0o555 if session == "read-only home" else 0o755)
                env = dict(self.env, HOME=home)
                # Each exact path the toolkit may open for writing or try to make, and why.
                allowed = {("openat", "/dev/null"),  # whatever is written there is discarded
                           # without a runtime folder Qt tries one in TMPDIR, named /dev/null
                           ("mkdir", f"/dev/null/runtime-{user}"),
                           # glibc asks the name-service cache for that user name, read-only
                           ("connect", "/run/nscd/socket")}
                if session == "desktop":
                    env.update(XDG_RUNTIME_DIR=run, DBUS_SESSION_BUS_ADDRESS=f"unix:path={run}/bus")
                    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                            f"--address=unix:path={run}/bus"])
                    self.addCleanup(bus.wait)
                    self.addCleanup(bus.terminate)
                    wait_until(lambda: os.path.exists(f"{run}/bus"), "the session bus")
                    allowed |= {("mkdir", run),  # Qt checks the runtime folder by making it
                                ("connect", f"{run}/bus")}  # the accessibility bridge
                self.play(env, home, f"{self.root}/{session}/trace")
                found = list(self.trespasses(allowed, f"{self.root}/{session}/trace"))
                self.assertEqual(found, [], "the game went beyond its allowance:\n" + "\n".join(found))

    def play(self, env, home, traces):
        # Qt's own options among the arguments: the window must keep its title and look.
        odd = ["-qwindowtitle", "X", "-reverse", "-5.82", f"--config={self.root}/never/saved"]
        trace = ["strace", "-ff", "-qq", "-yy", "-s", "4096", "-o", traces, "-e",
                 "trace=%file,%process,%ipc,socket,connect,bind,listen,sendto,sendmsg,ftruncate,"
                 "fchmod,fchown"]
        game = subprocess.Popen([*trace, PROGRAM, *odd], env=env, cwd=home,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.addCleanup(lambda: game.poll() is None and game.kill())
        window = self.wait_window(TITLE)
        g, origin = window.get_geometry(), window.translate_coords(self.x.screen().root, 0, 0)
        self.assertLessEqual(abs(g.width / 2 - origin.x - 640) + abs(g.height / 2 - origin.y - 512),
                             2, "the window is not centred")
        self.client = (-origin.x, -origin.y + g.height - 323)
        backs = wait_until(lambda: (lambda p: len(set(p)) == 1 and len(set(p[0])) > 2 and p)(
            self.pictures()), "the deal, every card face down")
        back = backs[0]

        self.keys(window, "alt+f", "a")
        about = self.wait_window(ABOUT)
        self.click(2)
        time.sleep(0.5)
        self.assertEqual(self.pictures(), backs, "a card turned under the About dialog")
        self.keys(about, "alt+s")
        self.keys(self.wait_window("Duomira"), "Return")
        self.assertTrue(self.windows_titled(ABOUT), "About closed with the message")
        self.keys(about, "Escape")
        wait_until(lambda: not self.windows_titled(ABOUT), "About to close")

        self.click(2)
        wait_until(lambda: self.pictures()[2] != back, "card 2 to turn")

        self.keys(window, "alt+g", "o")
        self.keys(self.wait_window(PASSWORD), "minus", "5", "period", "8", "2", "Return")
        faces = wait_until(lambda: (lambda p: back not in p and p)(self.pictures()), "the reveal")
        self.assertEqual(sorted(faces.count(f) for f in set(faces)), [2] * 12)

        protocols, delete = self.x.intern_atom("WM_PROTOCOLS"), self.x.intern_atom("WM_DELETE_WINDOW")
        window.send_event(protocol.event.ClientMessage(  # what a close button sends
            window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
        self.x.flush()
        self.assertEqual(game.wait(timeout=30), 0, game.stdout.read().decode())

    def windows_titled(self, title):
        # The shown top-level windows of that title; with no window manager
        # they are the children of the root window.
        name, utf8 = self.x.intern_atom("_NET_WM_NAME"), self.x.intern_atom("UTF8_STRING")

        def titled(window):
            try:
                named = window.get_full_property(name, utf8)
                return named and named.value.decode() == title and \
                    window.get_attributes().map_state == X.IsViewable
            except Exception:  # gone meanwhile
                return False
        return [w for w in self.x.screen().root.query_tree().children if titled(w)]

    def wait_window(self, title):
        return wait_until(lambda: (self.windows_titled(title) or [None])[0], f"'{title}'", 30)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def keys(self, window, *names):
        self.xdotool("windowfocus", "--sync", str(window.id), "key", "--delay", "80", *names)

    def rect(self, card):
        return self.client[0] + LEFTS[card % 8] + 2, self.client[1] + TOPS[card // 8] + 2, 70, 80

    def click(self, card):
        self.xdotool("mousemove", *(str(xy + 30) for xy in self.rect(card)[:2]), "click", "1")

    def pictures(self):
        # The 24 card pictures as 4-byte pixels, straight from the server.
        screen = self.x.screen().root.get_image(0, 0, 1280, 1024, X.ZPixmap, 0xFFFFFFFF).data
        return [b"".join(screen[((y + row) * 1280 + x) * 4:((y + row) * 1280 + x + w) * 4]
                         for row in range(h)) for x, y, w, h in map(self.rect, range(24))]

    def trespasses(self, allowed, traces):
        # Every call of the traced game that starts a program (tried or done),
        # opens for writing, tries a change, uses a socket other than a local
        # one or connects beyond the display, each path judged where it leads.
        display, started = "/tmp/.X11-unix/X" + os.environ["DISPLAY"].strip(":"), False
        for log in glob.glob(f"{traces}.*"):
            with open(log, encoding="utf-8", errors="replace") as trace:
                calls = [c.groups() for c in map(CALL.match, trace) if c]
            for name, args, result, opened in calls:
                line = f"{name}({args[:300]}) = {result}"
                literal = (re.findall(r'"((?:[^"\\]|\\.)*)"', args) or [""])[0]
                base = (re.findall(r"^\w+<([^>]*)>", args) or [""])[0]  # the directory descriptor
                path = opened or os.path.realpath(os.path.join(base, literal.lstrip("@")))
                if name in STARTS and (name in ("execve", "execveat") or "CLONE_THREAD" not in args):
                    if started or literal != PROGRAM:  # strace starts the game once
                        yield f"starts a program: {line}"
                    started = True
                elif f"{self.root}/never" in args:
                    yield f"looks at its command line: {line}"
                elif (name in ("open", "openat", "openat2") and WRITES.search(args) or
                      name in CHANGES) and (name, path) not in allowed:
                    yield f"writes or changes {path}: {line}"
                elif name == "socket" and "AF_UNIX" not in args:
                    yield f"opens a socket other than a local one: {line}"
                elif name == "connect" and display not in args and ("connect", path) not in allowed:
                    yield f"connects to {path}: {line}"
                elif name in ("bind", "listen") or name in ("sendto", "sendmsg") and "sa_family" in args:
                    yield f"offers or sends over a socket: {line}"


if __name__ == "__main__":
    unittest.main(verbosity=2)
