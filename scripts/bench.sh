#!/usr/bin/env bash
# `make bench`: start-up time and idle memory of the Qt program against its
# yardstick windows and of the Windows program under Wine against a bare
# Win32 window, in one interleaved run on a private Xvfb; then the page's
# transfer and first frame in headless Chromium against a static page.
#
# BUILD (default build) holds the Linux build, the Windows build
# ($BUILD/windows) and the Wine prefix; JOBS is the build's parallelism.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
[[ $build = /* ]] || build=$root/$build
jobs=${JOBS:-2}

cmake --build "$build/windows" -j "$jobs" --target duomira duomira_bare_win32_window
export DISPLAY=
source "$root/scripts/wine-env.sh"
WINE_LOCALE=$wine_locale xvfb-run --auto-servernum \
    --server-args="-screen 0 1280x1024x24 -dpi 96 -nolisten tcp" \
    /usr/bin/python3 "$root/bench/startup_bench.py" "$build/qt/duomira" \
    "$build/bench/duomira_framed_window" "$build/bench/duomira_bare_window" \
    "$build/bench/duomira_text_window" \
    --wine "$wine" "$build/windows/duomira.exe" "$build/windows/bench/duomira_bare_win32_window.exe"
/usr/bin/python3 "$root/bench/web_bench.py" "$build/web" "$root/assets"
