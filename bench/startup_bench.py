"""Time from exec to the window mapped and painted, and resident memory once
idle, for the game and its yardstick windows, in one interleaved run.

    startup_bench.py GAME BARE [TEXT] [--wine WINE WINDOWS_GAME WINDOWS_BARE]

The Qt game runs against a bare Qt window (and a Korean text window); with
--wine, the Windows program runs under Wine against a bare Win32 window, with
the Wine prefix of the environment and its server kept running throughout,
in the locale WINE_LOCALE (a Korean one, as the game's players have)."""

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


def one_run(x, command, title, env):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, env=env)
    while not painted(x, title):
        if time.perf_counter() - start > 30:
            raise RuntimeError(f"{command} did not show a window")
        time.sleep(0.002)
    elapsed = time.perf_counter() - start
    time.sleep(1.5)  # idle
    with open(f"/proc/{process.pid}/status") as status:
        rss_kib = next(int(line.split()[1]) for line in status if line.startswith("VmRSS"))
    process.kill()
    process.wait()
    return elapsed, rss_kib


def spread(values, scale, unit):
    low, mid, high = min(values) * scale, statistics.median(values) * scale, max(values) * scale
    return f"{mid:.1f} {unit} ({low:.1f}-{high:.1f})"


def report(results, game, yardstick, time_target, memory_target):
    times = {name: [t for t, _ in results[name]] for name in (game, yardstick)}
    memory = {name: [r for _, r in results[name]] for name in (game, yardstick)}
    ratio = statistics.median(times[game]) / statistics.median(times[yardstick])
    extra = (statistics.median(memory[game]) - statistics.median(memory[yardstick])) / 1024
    print(f"{game} against the {yardstick} window:\n"
          f"  start {spread(times[game], 1000, 'ms')} against {spread(times[yardstick], 1000, 'ms')}"
          f", ratio {ratio:.2f} (target <= {time_target})\n"
          f"  idle memory {spread(memory[game], 1 / 1024, 'MiB')} against "
          f"{spread(memory[yardstick], 1 / 1024, 'MiB')}, {extra:+.1f} MiB"
          + (f" (target <= +{memory_target})" if memory_target else ""))


def main():
    arguments = sys.argv[1:]
    wine = None
    if "--wine" in arguments:
        at = arguments.index("--wine")
        wine, arguments = arguments[at + 1:at + 4], arguments[:at]
    title = "토리무나 그림 맞추기 게임"
    env = dict(os.environ)
    programs = {"game": ([arguments[0]], title, env), "bare": ([arguments[1]], "bare", env)}
    if len(arguments) > 2:
        programs["text"] = ([arguments[2]], "text", env)
    if wine:
        loader, game, bare = wine
        korean = dict(env, LC_ALL=os.environ.get("WINE_LOCALE", "C.UTF-8"))
        programs["Windows game"] = ([loader, game], title, korean)
        programs["bare Win32"] = ([loader, bare], "bare", korean)
        # One Wine server for the whole run, as on a desktop where Wine is in use.
        server = os.path.join(os.path.dirname(loader), "wineserver")
        subprocess.run([server, "-p"], check=True)
    x = xdisplay.Display()  # the Xvfb that xvfb-run started for the bench
    results = {name: [] for name in programs}
    for _ in range(RUNS):  # interleaved, so all see the same machine
        for name, (command, window_title, program_env) in programs.items():
            results[name].append(one_run(x, command, window_title, program_env))
    if wine:
        subprocess.run([server, "-k"], check=True)  # and every Wine process with it
    print(f"runs each: {RUNS}; medians, with min-max in brackets")
    report(results, "game", "bare", 1.15, 3)
    if "text" in results:
        report(results, "game", "text", 1.15, 3)
    if wine:
        report(results, "Windows game", "bare Win32", 1.2, None)


if __name__ == "__main__":
    main()
