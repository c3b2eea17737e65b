"""Time from exec to the window mapped and painted, and resident memory once
idle, for the game and for a bare Qt window, in one run side by side."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop import TITLE, Desktop, scratch_dir  # noqa: E402

from Xlib import X  # noqa: E402

RUNS = int(os.environ.get("BENCH_RUNS", "9"))


def painted(desktop, title):
    windows = desktop.windows_titled(title)
    if not windows:
        return False
    x, y, w, h = desktop.geometry(windows[0])
    root = desktop.x.screen().root
    image = root.get_image(x + w // 2, y + h // 2, 1, 1, X.ZPixmap, 0xFFFFFFFF)
    return image.data[:3] != b"\x00\x00\x00"  # the root behind is black


def one_run(desktop, program, title):
    start = time.perf_counter()
    process = subprocess.Popen([program], env=desktop.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    while not painted(desktop, title):
        if time.perf_counter() - start > 30:
            raise RuntimeError(f"{program} did not show a window")
        time.sleep(0.002)
    elapsed = time.perf_counter() - start
    time.sleep(1.5)  # idle
    with open(f"/proc/{process.pid}/status") as status:
        rss_kib = next(int(line.split()[1]) for line in status if line.startswith("VmRSS"))
    process.kill()
    process.wait()
    return elapsed, rss_kib


def main():
    programs = {"game": (sys.argv[1], TITLE), "bare": (sys.argv[2], "bare")}
    if len(sys.argv) > 3:
        programs["text"] = (sys.argv[3], "text")
    desktop = Desktop(scratch_dir())
    try:
        results = {name: [] for name in programs}
        for _ in range(RUNS):  # interleaved, so all see the same machine
            for name, (program, title) in programs.items():
                results[name].append(one_run(desktop, program, title))
    finally:
        desktop.close()
    median = {k: (statistics.median(t for t, _ in v), statistics.median(r for _, r in v))
              for k, v in results.items()}
    gt, gr = median["game"]
    print(f"runs each: {RUNS}, medians")
    for name in programs:
        if name == "game":
            continue
        t, r = median[name]
        print(f"game against the {name} window: start {gt * 1000:.0f} ms against {t * 1000:.0f} ms, "
              f"ratio {gt / t:.2f} (target <= 1.15 against bare); idle memory {gr / 1024:.1f} MiB "
              f"against {r / 1024:.1f} MiB, {(gr - r) / 1024:+.1f} MiB (target <= +3 against bare)")


if __name__ == "__main__":
    main()
