"""A private X display with the real game on it, driven the way a player would."""

import os
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay, protocol

TITLE = "토리무나 그림 맞추기 게임"


def free_display_number():
    for number in range(90, 190):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            return number
    raise RuntimeError("no free X display number")


def wait_until(condition, seconds=15.0, what="condition"):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


class Desktop:
    """Xvfb at 96 dpi, 1280 x 1024, with helpers to find windows, look and click."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.number = free_display_number()
        self.name = f":{self.number}"
        self.xvfb = subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", "1280x1024x24", "-dpi", "96", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.x = wait_until(self._connect, what="Xvfb")

    def _connect(self):
        try:
            return xdisplay.Display(self.name)
        except Exception:  # Xvfb not listening yet
            return None

    def close(self):
        self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)

    def start(self, program, extra_env=None):
        env = dict(self.env, **(extra_env or {}))
        return subprocess.Popen([program], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

    def windows_titled(self, title):
        found = []
        net_name = self.x.intern_atom("_NET_WM_NAME")
        utf8 = self.x.intern_atom("UTF8_STRING")

        def walk(window):
            try:
                prop = window.get_full_property(net_name, utf8)
                attrs = window.get_attributes()
            except Exception:
                return
            if prop is not None and prop.value.decode("utf-8", "replace") == title \
                    and attrs.map_state == X.IsViewable:
                found.append(window)
            for child in window.query_tree().children:
                walk(child)

        walk(self.x.screen().root)
        return found

    def wait_window(self, title, seconds=20.0):
        return wait_until(lambda: (self.windows_titled(title) or [None])[0], seconds, f"window '{title}'")

    def geometry(self, window):
        g = window.get_geometry()
        origin = window.translate_coords(self.x.screen().root, 0, 0)
        return -origin.x, -origin.y, g.width, g.height

    def screenshot(self, name):
        path = os.path.join(self.workdir, name)
        subprocess.run(["import", "-display", self.name, "-window", "root", path], check=True)
        raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                             stdout=subprocess.PIPE).stdout
        return Shot(raw, 1280, 1024, path)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def click(self, x, y):
        self.xdotool("mousemove", str(x), str(y), "click", "1")

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", str(window.id))

    def keys(self, *names):
        self.xdotool("key", "--delay", "80", *names)

    def type(self, text):
        self.xdotool("type", "--delay", "60", "--", text)

    def ask_to_close(self, window):
        """What a window manager's close button sends."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        self.x.flush()


class Shot:
    def __init__(self, raw, width, height, path):
        self.raw, self.width, self.height, self.path = raw, width, height, path

    def region(self, x, y, w, h):
        rows = []
        for row in range(y, y + h):
            start = (row * self.width + x) * 3
            rows.append(self.raw[start:start + w * 3])
        return b"".join(rows)

    def pixel(self, x, y):
        start = (y * self.width + x) * 3
        return tuple(self.raw[start:start + 3])


def scratch_dir():
    root = os.environ.get("DUOMIRA_E2E_ARTIFACTS")
    if root:
        os.makedirs(root, exist_ok=True)
        return root
    return tempfile.mkdtemp(prefix="duomira-e2e-")
