"""The Debian package, made with the build tree's install rules and CPack settings:
its control fields, its files where a Debian desktop looks for them, and the
program unpacked from it opening its window under Xvfb.

Usage: package_test.py <build dir> <scratch dir> <application id>

The build tree is installed into the scratch folder and packaged from there, so
the test never builds anything itself; it wants the program built first."""

import configparser
import glob
import os
import shutil
import struct
import subprocess
import sys
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from desktop import TITLE, Desktop  # noqa: E402

BUILD_DIR, WORK_DIR, APP_ID = (os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]),
                               sys.argv[3])
del sys.argv[1:4]

PROGRAM = "usr/games/duomira"
DESKTOP_FILE = f"usr/share/applications/{APP_ID}.desktop"
METAINFO_FILE = f"usr/share/metainfo/{APP_ID}.metainfo.xml"
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def icon_file(size):
    return f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"


def run(*command):
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if done.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed:\n{done.stdout}")
    return done.stdout


def build_package():
    shutil.rmtree(WORK_DIR, ignore_errors=True)
    stage = os.path.join(WORK_DIR, "stage")
    run("cmake", "--install", BUILD_DIR, "--prefix", os.path.join(stage, "usr"), "--strip")
    # The project's own package settings, fed from the staged files instead of
    # the build tree's install step, which would first build everything.
    config = os.path.join(WORK_DIR, "CPackConfig.cmake")
    with open(config, "w", encoding="utf-8") as out:
        out.write(f'include("{BUILD_DIR}/CPackConfig.cmake")\n'
                  'set(CPACK_INSTALL_CMAKE_PROJECTS "")\n'
                  f'set(CPACK_INSTALLED_DIRECTORIES "{stage};.")\n')
    packages = os.path.join(WORK_DIR, "packages")
    run("cpack", "-G", "DEB", "--config", config, "-B", packages)
    built = glob.glob(os.path.join(packages, "*.deb"))
    if len(built) != 1:
        raise AssertionError(f"expected one package, cpack made {built}")
    return built[0]


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        raise AssertionError(f"{path} is not a PNG file")
    return struct.unpack(">II", header[16:24])


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.deb = build_package()
        # Each line of `dpkg-deb -c` ends with the member's path, "./usr/...".
        cls.listing = {line.split()[-1][2:]: line.split()[0]
                       for line in run("dpkg-deb", "-c", cls.deb).splitlines()}
        cls.root = os.path.join(WORK_DIR, "unpacked")
        run("dpkg", "-x", cls.deb, cls.root)

    def field(self, name):
        return run("dpkg-deb", "-f", self.deb, name).strip()

    def unpacked(self, member):
        return os.path.join(self.root, member)

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "duomira")
        self.assertEqual(self.field("Section"), "games")
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^@<>]+@example\.org>$")
        depends = [entry.split()[0] for entry in self.field("Depends").split(", ")]
        self.assertIn("fonts-nanum", depends)
        # Found by shlibdeps in the program, not written down by hand.
        self.assertIn("libqt6widgets6", depends)
        self.assertIn("libc6", depends)

    def test_holds_program_entry_metainfo_and_icons(self):
        files = [member for member, mode in self.listing.items() if not mode.startswith("d")]
        expected = [PROGRAM, DESKTOP_FILE, METAINFO_FILE] + [icon_file(s) for s in ICON_SIZES]
        self.assertCountEqual(files, expected)
        self.assertEqual(self.listing[PROGRAM], "-rwxr-xr-x")
        self.assertIn(", stripped", run("file", "-b", self.unpacked(PROGRAM)))

    def test_each_icon_is_drawn_at_its_folder_size(self):
        for size in ICON_SIZES:
            with self.subTest(size=size):
                self.assertEqual(png_size(self.unpacked(icon_file(size))), (size, size))

    def test_entry_and_metainfo_name_one_application(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(self.unpacked(DESKTOP_FILE), encoding="utf-8")
        game = entry["Desktop Entry"]
        self.assertEqual(game["Name"], "Duomira")
        self.assertEqual(game["Name[ko]"], TITLE)
        self.assertEqual(game["Icon"], APP_ID)
        self.assertEqual(game["Exec"], os.path.basename(PROGRAM))
        self.assertEqual(game["Categories"], "Game;CardGame;")

        component = ElementTree.parse(self.unpacked(METAINFO_FILE)).getroot()
        self.assertEqual(component.findtext("id"), APP_ID)
        self.assertEqual(component.find("launchable").text, os.path.basename(DESKTOP_FILE))
        korean = "{http://www.w3.org/XML/1998/namespace}lang"
        names = {n.get(korean): n.text for n in component.findall("name")}
        self.assertEqual(names.get("ko"), TITLE)
        self.assertTrue(any(s.get(korean) == "ko" for s in component.findall("summary")))
        self.assertRegex(component.findtext("screenshots/screenshot/image"),
                         r"^https://example\.org/.+\.png$")

    def test_unpacked_program_opens_its_window_and_closes(self):
        desktop = Desktop(WORK_DIR)
        game = desktop.start(self.unpacked(PROGRAM))
        try:
            window = desktop.wait_window(TITLE)
            desktop.ask_to_close(window)
            output, _ = game.communicate(timeout=15)
            self.assertEqual(game.returncode, 0, output.decode("utf-8", "replace"))
        finally:
            if game.poll() is None:
                game.kill()
                game.wait()
            desktop.close()


if __name__ == "__main__":
    unittest.main(verbosity=2)
