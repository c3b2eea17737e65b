# The two browsers the page is played in, behind the same few calls: a
# script run in the page, W3C input actions (real pointer and key events, as
# the browser's own automation delivers them), and a screenshot of the view.
# Chromium through ChromeDriver; Firefox through Marionette, its built-in
# remote protocol (Debian packs no geckodriver): length-prefixed JSON over TCP.

import base64
import json
import os
import re
import shutil
import socket
import subprocess
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def serve(folder):
    # The static server `make web-run` starts, on a free port: the process and its address.
    server = subprocess.Popen(["/usr/bin/python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                               "--directory", folder], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True)
    return server, "http://127.0.0.1:%s/" % re.search(r" port (\d+) ", server.stdout.readline())[1]


class Chromium:
    def __init__(self, ratio, window="1000,700"):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking", "--disable-sync",
                         "--disable-component-update", f"--window-size={window}",
                         "--force-color-profile=srgb", f"--force-device-scale-factor={ratio}"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def go(self, url):
        self.driver.get(url)

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def actions(self, actions):
        self.driver.execute("actions", {"actions": actions})

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def quit(self):
        self.driver.quit()


# A new profile would open tabs of its own and ask the network for updates.
FIREFOX_PREFS = {"marionette.port": 0, "browser.startup.homepage_override.mstone": "ignore",
                 "browser.aboutwelcome.enabled": False, "app.update.disabledForTesting": True,
                 "datareporting.policy.dataSubmissionEnabled": False,
                 "toolkit.telemetry.reportingpolicy.firstRun": False}


def write_firefox_prefs(profile):
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        prefs.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n" for k, v in FIREFOX_PREFS.items())


class Firefox:
    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="duomira-firefox-")
        write_firefox_prefs(self.profile)
        self.process = subprocess.Popen(
            # On the X server, not headless: only there it masks a password as
            # the desktop does, with its own bullet (U+25CF).
            ["firefox-esr", "--marionette", "--no-remote", "--profile", self.profile],
            env=dict(os.environ, MOZ_CRASHREPORTER_DISABLE="1"),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # With port 0 Firefox picks a free one and names it in the profile.
        port_file, deadline = os.path.join(self.profile, "MarionetteActivePort"), time.monotonic() + 120
        while not os.path.exists(port_file):
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise AssertionError("Firefox's remote protocol never started")
            time.sleep(0.05)
        time.sleep(0.05)  # the number written whole
        with open(port_file) as port:
            self.socket = socket.create_connection(("127.0.0.1", int(port.read())))
        self.received, self.sent = b"", 0
        self.receive()  # the greeting
        self.send("WebDriver:NewSession", {"capabilities": {}})
        self.send("WebDriver:SetWindowRect", {"width": 1000, "height": 700})

    def receive(self):
        while b":" not in self.received:
            self.received += self.socket.recv(65536)
        length, rest = self.received.split(b":", 1)
        while len(rest) < int(length):
            rest += self.socket.recv(65536)
        self.received = rest[int(length):]
        return json.loads(rest[:int(length)])

    def send(self, command, parameters):
        self.sent += 1
        message = json.dumps([0, self.sent, command, parameters]).encode()
        self.socket.sendall(b"%d:%s" % (len(message), message))
        _, _, error, result = self.receive()
        if error:
            raise AssertionError(f"Firefox: {command}: {error}")
        return result and result.get("value")

    def go(self, url):
        self.send("WebDriver:Navigate", {"url": url})

    def run(self, script, *args):
        return self.send("WebDriver:ExecuteScript", {"script": script, "args": list(args)})

    def actions(self, actions):
        self.send("WebDriver:PerformActions", {"actions": actions})
        self.send("WebDriver:ReleaseActions", {})

    def screenshot(self):
        return base64.b64decode(self.send("WebDriver:TakeScreenshot", {"full": False}))

    def quit(self):
        if self.process.returncode is not None:
            return
        try:
            self.send("Marionette:Quit", {})
        finally:
            self.socket.close()
            self.process.wait(60)
            shutil.rmtree(self.profile, True)
