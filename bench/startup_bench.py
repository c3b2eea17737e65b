"""Time from exec to the first complete painted frame, and resident memory once
idle, for the game and its yardstick windows, in one interleaved run.

    startup_bench.py GAME FRAMED BARE TEXT [--wine WINE WINDOWS_GAME WINDOWS_BARE]

The Qt game runs against three Qt windows of its size: one with a menu
title, a captioned frame and a label in Latin script (the yardstick its
targets are set against), a bare one, and one with Korean text; with
--wine, the Windows program runs under Wine against a bare Win32 window, with
the Wine prefix of the environment and its server kept running throughout,
in the locale WINE_LOCALE (a Korean one, as the game's players have). Wine
and both Windows programs run on one CPU (BENCH_WINE_CPUS, "0"; empty for
any): on a machine of few virtual CPUs every request to the Wine server that
wakes another one may take several times as long, and that, not the
programs' own work, would decide the figures."""

import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay

RUNS = int(os.environ.get("BENCH_RUNS", "21"))


# Where a window is looked at, as fractions of its size: its middle and four
# points around it, on the board's cards in the game.
SPOTS = [(0.5, 0.5), (0.25, 0.3), (0.75, 0.3), (0.25, 0.8), (0.75, 0.8)]
# How long after the window first shows the spots are watched for the rest
# of the frame; every program here finishes well within it.
SETTLING = 0.3


def spots(x, title):
    # The pixels at the spots of the shown top-level window of that title, or
    # None; with no window manager it is a child of the root.
    name, utf8 = x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING")
    root = x.screen().root
    for window in root.query_tree().children:
        try:
            named = window.get_full_property(name, utf8)
            if not named or named.value.decode() != title:
                continue
            g, origin = window.get_geometry(), window.translate_coords(root, 0, 0)
            return tuple(root.get_image(int(g.width * fx) - origin.x, int(g.height * fy) - origin.y,
                                        1, 1, X.ZPixmap, 0xFFFFFFFF).data[:3] for fx, fy in SPOTS)
        except Exception:  # gone meanwhile
            pass
    return None


def one_run(x, command, title, env):
    # Until the first painted frame is complete: every spot shows what it
    # shows once the program is idle (a window drawn piece by piece counts
    # when its last piece is there).
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, env=env)
    seen, shown = [], None
    while shown is None or seen[-1][0] < shown + SETTLING:
        now = time.perf_counter() - start
        if now > 30:
            raise RuntimeError(f"{command} did not show a window")
        pixels = spots(x, title)
        seen.append((now, pixels))
        if shown is None and pixels and any(p != b"\x00\x00\x00" for p in pixels):
            shown = now
        time.sleep(0.002)
    final = seen[-1][1]
    elapsed = next(t for i, (t, p) in enumerate(seen) if all(q == final for _, q in seen[i:]))
    time.sleep(1.2)  # idle
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
          f", ratio {ratio:.2f}" + (f" (target <= {time_target})" if time_target else "") + "\n"
          f"  idle memory {spread(memory[game], 1 / 1024, 'MiB')} against "
          f"{spread(memory[yardstick], 1 / 1024, 'MiB')}, {extra:+.1f} MiB"
          + (f" (target <= +{memory_target})" if memory_target else ""))


def interleaved(x, programs):
    # Every program once a round, so that all see the same machine.
    results = {name: [] for name in programs}
    for _ in range(RUNS):
        for name, (command, window_title, program_env) in programs.items():
            results[name].append(one_run(x, command, window_title, program_env))
    return results


def main():
    arguments = sys.argv[1:]
    wine = None
    if "--wine" in arguments:
        at = arguments.index("--wine")
        wine, arguments = arguments[at + 1:at + 4], arguments[:at]
    title = "토리무나 그림 맞추기 게임"
    env = dict(os.environ)
    programs = {"game": ([arguments[0]], title, env)}
    for name, program in zip(("framed", "bare", "text"), arguments[1:]):
        programs[name] = ([program], name, env)
    x = xdisplay.Display()  # the Xvfb that xvfb-run started for the bench
    results = interleaved(x, programs)
    if wine:
        # A round of their own: the first Wine program after a Qt one on the
        # same X server takes some 100 ms longer to start talking to it.
        loader, game, bare = wine
        korean = dict(env, LC_ALL=os.environ.get("WINE_LOCALE", "C.UTF-8"))
        cpus = os.environ.get("BENCH_WINE_CPUS", "0")
        pinned = ["taskset", "-c", cpus] if cpus else []
        # One Wine server for the whole run, as on a desktop where Wine is in use.
        server = os.path.join(os.path.dirname(loader), "wineserver")
        subprocess.run([*pinned, server, "-p"], check=True)
        results.update(interleaved(x, {
            "Windows game": ([*pinned, loader, game], title, korean),
            "bare Win32": ([*pinned, loader, bare], "bare", korean)}))
        subprocess.run([server, "-k"], check=True)  # and every Wine process with it
    print(f"runs each: {RUNS}; medians, with min-max in brackets")
    report(results, "game", "framed", 1.05, 1)
    report(results, "game", "bare", None, None)
    report(results, "game", "text", None, None)
    if wine:
        report(results, "Windows game", "bare Win32", 1.2, None)


if __name__ == "__main__":
    main()
