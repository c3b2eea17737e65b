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
    game, bare = sys.argv[1], sys.argv[2]
    desktop = Desktop(scratch_dir())
    try:
        results = {"game": [], "bare": []}
        for _ in range(RUNS):  # interleaved, so both see the same machine
            results["bare"].append(one_run(desktop, bare, "bare"))
            results["game"].append(one_run(desktop, game, TITLE))
    finally:
        desktop.close()
    median = {k: (statistics.median(t for t, _ in v), statistics.median(r for _, r in v))
              for k, v in results.items()}
    (gt, gr), (bt, br) = median["game"], median["bare"]
    print(f"runs each: {RUNS}")
    print(f"start to painted window: game {gt * 1000:.0f} ms, bare {bt * 1000:.0f} ms, ratio {gt / bt:.2f} (target <= 1.15)")
    print(f"idle resident memory:    game {gr / 1024:.1f} MiB, bare {br / 1024:.1f} MiB, "
          f"difference {(gr - br) / 1024:.1f} MiB (target <= 3 MiB)")


if __name__ == "__main__":
    main()
