# make windows-dist as a player's download: the zip holds the program, the
# licences and the README (as every Notepad reads it), the program's icon
# carries every size Windows asks for and its version block the Korean names,
# and the zip is the same, byte for byte, when built from a copy of the
# sources in another folder.
# Usage: windows_dist_test.py <source tree> <scratch folder>

import os
import re
import shutil
import subprocess
import sys
import unittest
import zipfile

ROOT, SCRATCH = map(os.path.abspath, sys.argv[1:3])
del sys.argv[1:3]


def make(tree, build, target):
    subprocess.run(["make", "-s", "-C", tree, target, f"BUILD={build}"], check=True,
                   stdout=subprocess.DEVNULL)


class WindowsDist(unittest.TestCase):
    def test_the_zip_and_a_program_file_the_same_from_any_folder(self):
        shutil.rmtree(SCRATCH, ignore_errors=True)
        make(ROOT, f"{SCRATCH}/first", "windows-dist")
        with zipfile.ZipFile(f"{SCRATCH}/first/duomira-1.00-windows-x64.zip") as dist:
            self.assertEqual(dist.namelist(), ["duomira.exe", "LICENSE", "OFL.txt", "README.txt"])
            readme = dist.read("README.txt")
            program = dist.read("duomira.exe")
        # A byte-order mark and CR LF, or older Notepads show one garbled line.
        self.assertTrue(readme.startswith("\ufeff토리무나 그림 맞추기 게임".encode()), "Korean first")
        self.assertEqual(readme.count(b"\n"), readme.count(b"\r\n"))
        self.assertIn(b"The picture-matching game", readme)
        with open(f"{SCRATCH}/first/windows/duomira.exe", "rb") as built:
            self.assertEqual(program, built.read())
        # Its own icon as Explorer reads it: five sizes, the largest as PNG.
        icon = subprocess.run(["wrestool", "-x", "-t14", "-n1", f"{SCRATCH}/first/windows/duomira.exe"],
                              check=True, capture_output=True).stdout
        entries = [icon[6 + 16 * i:22 + 16 * i] for i in range(int.from_bytes(icon[4:6], "little"))]
        self.assertEqual([e[0] or 256 for e in entries], [16, 24, 32, 48, 256])
        png = int.from_bytes(entries[-1][12:16], "little")
        self.assertEqual(icon[png:png + 8], b"\x89PNG\r\n\x1a\n")
        # Its version block in Korean, where Explorer's properties read it: each
        # name, its terminator and padding, then its value.
        version = subprocess.run(["wrestool", "-x", "--raw", "-t16", f"{SCRATCH}/first/windows/duomira.exe"],
                                 check=True, capture_output=True).stdout
        utf16 = lambda text: re.escape(text.encode("utf-16le"))
        self.assertIn("041204B0\0".encode("utf-16le"), version)
        for name, value in (("ProductName", "Duomira"), ("FileVersion", "1.00"), ("ProductVersion", "1.00"),
                            ("InternalName", "토리무나"), ("OriginalFilename", "토리무나.exe")):
            self.assertRegex(version, utf16(name) + b"(\0\0)+" + utf16(value) + b"\0\0", name)

        # The tracked sources copied to a folder of another name and depth.
        clone = f"{SCRATCH}/another/place/duomira"
        files = subprocess.run(["git", "-C", ROOT, "ls-files", "-z"], check=True,
                               capture_output=True).stdout.decode().split("\0")
        for name in filter(None, files):
            os.makedirs(os.path.dirname(f"{clone}/{name}"), exist_ok=True)
            shutil.copy2(f"{ROOT}/{name}", f"{clone}/{name}")
        make(clone, f"{clone}/build", "windows-dist")
        with open(f"{SCRATCH}/first/duomira-1.00-windows-x64.zip", "rb") as first, \
                open(f"{clone}/build/duomira-1.00-windows-x64.zip", "rb") as again:
            self.assertTrue(again.read() == first.read(), "the zip differs by its folder")


if __name__ == "__main__":
    unittest.main()
