# The game as installed from its package, on a private Xvfb and under strace,
# in three sessions: a desktop's (a live session bus and sound server, a
# runtime folder), a bare X session's (no bus address, no runtime folder, no
# TMPDIR) and one with a read-only HOME. In each it opens with every card face
# down, opens About and its system-information button, turns a card, reveals
# every pair for the access number typed at the keyboard, then misses and
# makes a pair, and ends with its window or, in the bare session, with the end
# command while the password dialog is up; all the while it ignores its command
# line, starts nothing, writes nothing and talks to no one but the display, the
# session bus and the sound server. On the desktop, the sound server's sink
# hears the pair, and nothing after the miss. Usage: e2e_test.py <program>

import glob
import os
import pwd
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest
from array import array

from xscreen import TITLE, Screen, end, wait_until

PROGRAM = os.path.realpath(sys.argv.pop(1))
CALL = re.compile(r"^(\w+)\((.*)\)\s+= (-?\d+)(?:<(.*?)(?:<char [\d:]+>)?>)?")
WRITES = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE")
STARTS = {"execve", "execveat", "fork", "vfork", "clone", "clone3"}
CHANGES = {"mkdir", "mkdirat", "rmdir", "unlink", "unlinkat", "rename", "renameat", "renameat2",
           "link", "linkat", "symlink", "symlinkat", "truncate", "ftruncate", "chmod", "fchmod",
           "fchmodat", "chown", "fchown", "fchownat", "utimensat", "mknod", "mknodat", "creat"}


# A private PulseAudio with one null sink, and all that its monitor hears
# (8000 16-bit samples a second, as the sink's own clock gives them).
class SoundServer:
    def __init__(self, env, run):
        self.server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", "-L", "module-null-sink sink_name=game", "-L",
             "module-native-protocol-unix"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: os.path.exists(f"{run}/pulse/native"), "the sound server")
        self.recorder = subprocess.Popen(
            ["parec", "--device=game.monitor", "--raw", "--format=s16le", "--channels=1", "--rate=8000",
             "--latency-msec=20"], env=env, stdout=subprocess.PIPE)
        self.heard = bytearray()
        threading.Thread(target=self.listen, daemon=True).start()
        wait_until(lambda: self.heard, "the recording to start")

    def listen(self):
        while data := self.recorder.stdout.read1(4096):
            self.heard += data

    def loud_since(self, mark):
        return max(map(abs, array("h", bytes(self.heard[mark:len(self.heard) // 2 * 2]))), default=0) > 1000


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="duomira-e2e-")
        self.addCleanup(shutil.rmtree, self.root, True)
        self.env = {k: v for k, v in os.environ.items()
                    if k in ("PATH", "LANG", "DISPLAY", "XAUTHORITY") or k[:3] == "LC_"}
        self.screen = Screen(self.env)  # the private Xvfb that xvfb-run started for the test

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
                    self.addCleanup(end, bus)
                    wait_until(lambda: os.path.exists(f"{run}/bus"), "the session bus")
                    allowed |= {("mkdir", run),  # Qt checks the runtime folder by making it
                                ("connect", f"{run}/bus"),  # the accessibility bridge
                                ("connect", f"{run}/pulse/native")}  # the pair's sound
                    self.sound = SoundServer(env, run)
                    self.addCleanup(end, self.sound.server)
                    self.addCleanup(end, self.sound.recorder)
                self.play(env, home, f"{self.root}/{session}/trace", ends=session == "bare",
                          sound=session == "desktop")
                found = list(self.trespasses(allowed, f"{self.root}/{session}/trace"))
                self.assertEqual(found, [], "the game went beyond its allowance:\n" + "\n".join(found))

    def play(self, env, home, traces, ends, sound):
        # Qt's own options among the arguments: the window must keep its title and look.
        odd = ["-qwindowtitle", "X", "-reverse", "-5.82", f"--config={self.root}/never/saved"]
        trace = ["strace", "-ff", "-qq", "-yy", "-s", "4096", "-o", traces, "-e",
                 "trace=%file,%process,%ipc,socket,connect,bind,listen,sendto,sendmsg,ftruncate,"
                 "fchmod,fchown"]
        game = subprocess.Popen([*trace, PROGRAM, *odd], env=env, cwd=home,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.addCleanup(lambda: game.poll() is None and game.kill())
        screen = self.screen
        window = screen.wait_window(TITLE)
        screen.find_client(window)
        backs = wait_until(lambda: (lambda p: len(set(p)) == 1 and len(set(p[0])) > 2 and p)(
            screen.pictures()), "the deal, every card face down")
        back = backs[0]

        screen.about_and_its_button(window)

        screen.click(2)
        wait_until(lambda: screen.pictures()[2] != back, "card 2 to turn")

        screen.type_access_number(window)
        faces = wait_until(lambda: (lambda p: back not in p and p)(screen.pictures()), "the reveal")
        self.assertEqual(sorted(faces.count(f) for f in set(faces)), [2] * 12)
        # Card 2 is up: a miss with another, then a pair of two others.
        miss = next(c for c in range(24) if faces[c] != faces[2])
        pair = [[c for c in range(24) if faces[c] == f] for f in faces if f not in (faces[2], faces[miss])][0]
        mark = sound and len(self.sound.heard)
        screen.click(miss)
        wait_until(lambda: screen.pictures()[miss] == back, "the miss to turn back")
        if sound:  # two seconds more of the sink's own clock, and nothing to hear in them
            wait_until(lambda: len(self.sound.heard) > mark + 32000, "two seconds of recording")
            self.assertFalse(self.sound.loud_since(mark), "a sound after a miss")
            mark = len(self.sound.heard)
        screen.click(pair[0])
        screen.click(pair[1])
        if sound:
            wait_until(lambda: self.sound.loud_since(mark), "the pair's sound")

        if ends:  # the end command, "종료", the last item of File, with the password dialog up
            screen.end_with_password_up(window)
        else:
            screen.close(window)
        self.assertEqual(game.wait(timeout=120), 0)
        self.assertEqual(game.stdout.read().decode(), "", "the game spoke on its way")

    def trespasses(self, allowed, traces):
        # Every call of the traced game that starts a program (tried or done),
        # opens for writing, tries a change, uses a socket other than a local
        # one or connects beyond the display, each path judged where it leads;
        # and the traces must show the game itself starting and reaching the
        # display, or they are no evidence at all.
        display = "/tmp/.X11-unix/X" + os.environ["DISPLAY"].strip(":")
        started = connected = False
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
                      name in CHANGES) and (name, path) not in allowed and \
                        not path.startswith("/memfd:"):  # memory the sound library shares, no file
                    yield f"writes or changes {path}: {line}"
                elif name == "socket" and "AF_UNIX" not in args:
                    yield f"opens a socket other than a local one: {line}"
                elif name == "connect" and display in args:
                    connected = connected or result == "0"
                elif name == "connect" and ("connect", path) not in allowed:
                    yield f"connects to {path}: {line}"
                elif name in ("bind", "listen") or name in ("sendto", "sendmsg") and "sa_family" in args:
                    yield f"offers or sends over a socket: {line}"
        if not (started and connected):
            yield f"no trace in {traces}.* of the game starting ({started}) and at the display ({connected})"


if __name__ == "__main__":
    unittest.main(verbosity=2)
