"""A private X display with the real game on it, driven the way a player would."""

import os
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay, protocol

TITLE = "토리무나 그림 맞추기 게임"


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
        self.xvfb, self.number = self._start_xvfb()
        self.name = f":{self.number}"
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.x = wait_until(self._connect, what="Xvfb")

    @staticmethod
    def _start_xvfb():
        """Xvfb picks a free display number itself and names it once it listens,
        so end-to-end tests running side by side never share a display."""
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
             "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            xvfb.wait(timeout=10)
            raise RuntimeError(f"Xvfb did not start (exit status {xvfb.returncode})")
        return xvfb, int(number)

    def _connect(self):
        try:
            return xdisplay.Display(self.name)
        except Exception:  # Xvfb not listening yet
            return None

    def close(self):
        self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)

    def start(self, program, extra_env=None, args=(), launcher=(), base_env=None, cwd=None):
        """Starts `program args` on this display, optionally through a launcher
        such as a tracer; base_env replaces the inherited environment."""
        env = dict(self.env if base_env is None else base_env, **(extra_env or {}))
        return subprocess.Popen([*launcher, program, *args], env=env, cwd=cwd,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

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

    def grab(self):
        """The screen as a Shot, read straight from the server: no file, and
        quick enough to poll for a change that lasts only a few hundred ms."""
        screen = self.x.screen()
        width, height = screen.width_in_pixels, screen.height_in_pixels
        bgrx = screen.root.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF).data
        rgb = bytearray(width * height * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = bgrx[2::4], bgrx[1::4], bgrx[0::4]
        return Shot(bytes(rgb), width, height, None)

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


# Where the 24 card pictures lie inside the main window's client area.
CLIENT_W, CLIENT_H = 644, 323
CARD_LEFTS = [7, 86, 165, 245, 324, 403, 482, 561]
CARD_TOPS = [16, 118, 219]
CARD_PICTURE = 80  # the picture inside the 2-pixel sunken border
# Neighbours overlap by a few pixels and the frame cuts off column 7, so only
# the left part of each picture is sure to be seen.
CARD_VISIBLE_WIDTH = 70


class CardGrid:
    """The card pictures on the screen, from the main window's geometry."""

    def __init__(self, desktop, window):
        x, y, w, h = desktop.geometry(window)
        self.client_x, self.client_y = x, y + h - CLIENT_H

    def picture_rect(self, card):
        col, row = card % 8, card // 8
        return (self.client_x + CARD_LEFTS[col] + 2, self.client_y + CARD_TOPS[row] + 2,
                CARD_VISIBLE_WIDTH, CARD_PICTURE)

    def centre_of(self, card):
        x, y, w, h = self.picture_rect(card)
        return x + w // 2, y + h // 2

    def pictures(self, shot):
        return [shot.region(*self.picture_rect(c)) for c in range(24)]


def scratch_dir():
    root = os.environ.get("DUOMIRA_E2E_ARTIFACTS")
    if root:
        os.makedirs(root, exist_ok=True)
        return root
    return tempfile.mkdtemp(prefix="duomira-e2e-")
