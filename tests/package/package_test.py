# The Debian package, made from the build tree's install rules and CPack
# settings: its fields and its files where a Debian desktop looks for them. It
# stays unpacked in <scratch dir>/root for the end-to-end test to play.
# Usage: package_test.py <build dir> <scratch dir> <application id>

import glob
import os
import shutil
import subprocess
import sys
import unittest

BUILD, WORK, APP_ID = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), sys.argv[3]
del sys.argv[1:4]


def run(*command):
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    assert done.returncode == 0, f"{' '.join(command)} failed:\n{done.stdout}"
    return done.stdout


class DebianPackage(unittest.TestCase):
    def test_puts_the_game_where_a_desktop_finds_it(self):
        shutil.rmtree(WORK, ignore_errors=True)
        stage = os.path.join(WORK, "stage")
        run("cmake", "--install", BUILD, "--prefix", f"{stage}/usr", "--strip")
        # The project's own package settings, fed from the staged files rather
        # than the build tree's install step, which would build everything first.
        with open(f"{WORK}/CPackConfig.cmake", "w", encoding="utf-8") as config:
            config.write(f'include("{BUILD}/CPackConfig.cmake")\n'
                         f'set(CPACK_INSTALL_CMAKE_PROJECTS "")\n'
                         f'set(CPACK_INSTALLED_DIRECTORIES "{stage};.")\n')
        run("cpack", "-G", "DEB", "--config", f"{WORK}/CPackConfig.cmake", "-B", f"{WORK}/out")
        [deb] = glob.glob(f"{WORK}/out/*.deb")
        fields = {f: run("dpkg-deb", "-f", deb, f).strip() for f in ("Package", "Section", "Depends")}
        self.assertEqual((fields["Package"], fields["Section"]), ("duomira", "games"))
        depends = {d.split()[0] for d in fields["Depends"].split(", ")}
        self.assertLessEqual({"libqt6widgets6", "libc6", "qt6-wayland", "libcanberra0", "libcanberra-pulse",
                             "sound-theme-freedesktop"}, depends)
        files = {line.split()[-1][2:] for line in run("dpkg-deb", "-c", deb).splitlines()
                 if not line.startswith("d")}
        self.assertEqual(files, {"usr/games/duomira", f"usr/share/applications/{APP_ID}.desktop",
                                 f"usr/share/metainfo/{APP_ID}.metainfo.xml",
                                 "usr/share/doc/duomira/copyright", "usr/share/doc/duomira/changelog.gz",
                                 "usr/share/man/man6/duomira.6.gz"} |
                         {f"usr/share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png"
                          for s in (16, 32, 48, 64, 128, 256)})
        run("lintian", "--fail-on", "error,warning", deb)
        run("dpkg", "-x", deb, f"{WORK}/root")


if __name__ == "__main__":
    unittest.main(verbosity=2)
