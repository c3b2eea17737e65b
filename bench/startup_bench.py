"""Time from exec to the window mapped and painted, and resident memory once
idle, for the game and for a bare Qt window, in one run side by side."""

import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay

RUNS = int(os.environ.get("BENCH_RUNS", "9"))


def painted(x, title):
    # The middle of the top-level window of that title no longer shows the
    # black root behind it; with no window manager it is a child of the root.
    name, utf8 = x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING")
    root = x.screen().root
    for window in root.query_tree().children:
        try:
            named = window.get_full_property(name, utf8)
            if not named or named.value.decode() != title:
                continue
            g, origin = window.get_geometry(), window.translate_coords(root, 0, 0)
            pixel = root.get_image(g.width // 2 - origin.x, g.height // 2 - origin.y, 1, 1,
                                   X.ZPixmap, 0xFFFFFFFF)
            return pixel.data[:3] != b"\x00\x00\x00"
        except Exception:  # gone meanwhile
            pass
    return False


def one_run(x, program, title):
    start = time.perf_counter()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    while not painted(x, title):
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
    programs = {"game": (sys.argv[1], "토리무나 그림 맞추기 게임"), "bare": (sys.argv[2], "bare")}
    if len(sys.argv) > 3:
        programs["text"] = (sys.argv[3], "text")
    x = xdisplay.Display()  # the Xvfb that xvfb-run started for the bench
    results = {name: [] for name in programs}
    for _ in range(RUNS):  # interleaved, so all see the same machine
        for name, (program, title) in programs.items():
            results[name].append(one_run(x, program, title))
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
