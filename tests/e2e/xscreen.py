# What both end-to-end tests do on their private Xvfb: find the game's
# top-level windows by title, type and click with xdotool, and read the card
# pictures straight from the server. With no window manager the top-level
# windows are the children of the root window, and a window's client area is
# the bottom of its X window, under the menu bar.

import math
import os
import subprocess
import time

from Xlib import X, display as xdisplay, protocol

TITLE, ABOUT, PASSWORD = "토리무나 그림 맞추기 게임", "토리무나 그림 맞추기 게임에 대하여..", "패스워드 입력"


def geometry(scale=1):
    # At 15 twips to a pixel at 96 dots per inch, a half pixel rounded up: the
    # client area; where the card slots lie in it, 105 + 1188 k twips across
    # and 240 + 1525 k down, each picture inside a border of 2 pixels; and
    # what surely shows of a picture: neighbours overlap and the frame cuts
    # off column 7, so only the left 70 of 80 columns, and face 10 is one row
    # shorter.
    def pixels(twips):
        return math.floor(twips * scale / 15 + 0.5)
    return (pixels(9660), pixels(4845)), [pixels(105 + 1188 * k) for k in range(8)], \
        [pixels(240 + 1525 * k) for k in range(3)], (pixels(1050), pixels(1185))


(CLIENT_WIDTH, CLIENT_HEIGHT), LEFTS, TOPS, (SEEN_WIDTH, SEEN_HEIGHT) = geometry()


def end(process):
    # A process the test started, and the pipe it was read through.
    process.kill()
    process.wait()
    if process.stdout:
        process.stdout.close()


# Budgets are wall-clock seconds, with room for a machine four times slower
# than one that needs a few seconds at most.
def wait_until(condition, what, seconds=60):
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {seconds} s waiting for {what}")
        time.sleep(0.01)
    return value


def seen_rows(assets, name, padding, scale=1):
    # The part of a committed 8-bit picture that shows on a card, as the
    # screen's rows of 4-byte pixels.
    seen_width, seen_height = geometry(scale)[3]
    with open(os.path.join(assets, name), "rb") as picture:
        data = picture.read()
    number = lambda at, size=4: int.from_bytes(data[at:at + size], "little", signed=True)
    offset, width, height, colours = number(10), number(18), number(22), number(46)
    palette = [data[54 + 4 * i:57 + 4 * i] + bytes([padding]) for i in range(colours)]
    stride = (width + 3) // 4 * 4
    rows = [data[offset + (height - 1 - y) * stride:][:seen_width] for y in range(seen_height)]
    return tuple(b"".join(palette[index] for index in row) for row in rows)


class Screen:
    def __init__(self, env, scale=1):
        self.x = xdisplay.Display()
        self.root = self.x.screen().root
        self.env = env
        self.client = None
        self.client_size, self.lefts, self.tops, self.seen = geometry(scale)
        self.shoot = lambda title: None  # what to do as each window is found

    def viewable(self, wanted):
        # The viewable top-level windows that are wanted; one gone meanwhile is not.
        def seen(window):
            try:
                attributes = window.get_attributes()
                return attributes.map_state == X.IsViewable and wanted(window, attributes)
            except Exception:  # gone meanwhile
                return False
        return [w for w in self.root.query_tree().children if seen(w)]

    def windows_titled(self, title):
        name, utf8 = self.x.intern_atom("_NET_WM_NAME"), self.x.intern_atom("UTF8_STRING")
        return self.viewable(lambda w, _: getattr(w.get_full_property(name, utf8), "value", b"").decode() == title)

    def wait_window(self, title, seconds=120):
        window = wait_until(lambda: (self.windows_titled(title) or [None])[0], f"'{title}'", seconds)
        self.shoot(title)
        return window

    def find_client(self, window):
        # The window's place and size; its client area is at its bottom.
        g, origin = window.get_geometry(), window.translate_coords(self.root, 0, 0)
        self.client = (-origin.x, -origin.y + g.height - self.client_size[1])
        return -origin.x, -origin.y, g.width, g.height

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def keys(self, window, *names):
        self.xdotool("windowfocus", "--sync", str(window.id), "key", "--delay", "80", *names)

    def popups(self):
        # The menus on screen: top-level windows that no window manager would frame.
        return {w.id for w in self.viewable(lambda _, attributes: attributes.override_redirect)}

    def menu(self, window, title, *keys):
        # Opens a menu by its access key and, once it shows, presses the keys
        # in it: a key that came before the menu would go to the window.
        before = self.popups()
        self.keys(window, title)
        wait_until(lambda: self.popups() - before, f"the menu of {title}")
        if keys:
            self.keys(window, *keys)

    def rect(self, card):
        return (self.client[0] + self.lefts[card % 8] + 2, self.client[1] + self.tops[card // 8] + 2,
                *self.seen)

    def click(self, card, times=1):
        self.xdotool("mousemove", *(str(xy + 30) for xy in self.rect(card)[:2]),
                     "click", "--repeat", str(times), "--delay", "60", "1")

    def about_and_its_button(self, window):
        # About, its system-information button and the message it shows;
        # About stays up after the message and closes on Escape.
        self.menu(window, "alt+f", "a")
        about = self.wait_window(ABOUT)
        self.keys(about, "alt+s")
        self.keys(self.wait_window("Duomira"), "Return")
        assert self.windows_titled(ABOUT), "About closed with the message"
        self.keys(about, "Escape")
        wait_until(lambda: not self.windows_titled(ABOUT), "About to close")

    def type_access_number(self, window):
        self.menu(window, "alt+g", "o")
        self.keys(self.wait_window(PASSWORD), "minus", "5", "period", "8", "2", "Return")

    def end_with_password_up(self, window):
        # "종료", the last item of File, as a player with the password dialog
        # up chooses it: a click on the board's frame below the cards brings
        # the game's window to the front, then the menu's keys.
        self.menu(window, "alt+g", "o")
        self.wait_window(PASSWORD)
        self.click_frame()
        self.menu(window, "alt+f", "Up", "Return")

    def click_frame(self, *then):
        # Below the cards, where a click turns nothing; then any more of xdotool.
        self.xdotool("mousemove", str(self.client[0] + 300),
                     str(self.client[1] + self.client_size[1] - 11), "click", "1", *then)

    def pictures(self):
        # The 24 card pictures as rows of 4-byte pixels (blue, green, red,
        # padding), straight from the server.
        (left, top), (width, height) = self.client, self.client_size
        board = self.root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data
        self.padding = board[3]

        def picture(x, y, w, h):
            return tuple(board[((y - top + r) * width + x - left) * 4:
                               ((y - top + r) * width + x - left + w) * 4] for r in range(h))
        return [picture(*self.rect(card)) for card in range(24)]

    def close(self, window):
        # What a close button sends.
        protocols, delete = self.x.intern_atom("WM_PROTOCOLS"), self.x.intern_atom("WM_DELETE_WINDOW")
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])))
        self.x.flush()
