#!/usr/bin/env bash
# The Windows side, built with MinGW-w64 and run under Wine: the rules, the
# launcher against a real registry, files and processes, the program file's
# icon, and the program itself played on a private Xvfb.
#
# BUILD (default build) holds the cross build ($BUILD/mingw) and a private
# Wine prefix ($BUILD/wine-prefix); JOBS is the build's parallelism.
# `make test` installs MinGW-w64 and Wine, so a missing one is a broken
# set-up and fails the run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
[[ $build = /* ]] || build=$root/$build
jobs=${JOBS:-2}
cross=$build/mingw

for tool in x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres; do
    command -v "$tool" >/dev/null || {
        echo "windows tests FAILED: $tool is missing (make test installs it)" >&2
        exit 1
    }
done
started=$SECONDS
mkdir -p "$build"
# The tests without a window run with no display at all.
export DISPLAY=
unset WAYLAND_DISPLAY
source "$root/scripts/wine-env.sh"

cmake -S "$root" -B "$cross" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DDUOMIRA_WITH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$cross" -j "$jobs"

failed=0
(cd "$cross" && LC_ALL=$wine_locale ctest -j "$jobs" -LE display --output-on-failure) || failed=1
"$wineserver" -w
# Wine's desktop process takes the display of the program that starts it, so
# the tests with windows come after the others have ended, one at a time, on
# one private Xvfb.
(cd "$cross" && LC_ALL=$wine_locale xvfb-run --auto-servernum \
    --server-args="-screen 0 2560x1600x24 -dpi 96 -nolisten tcp" \
    ctest -L display --output-on-failure) || failed=1
# Let Wine's own processes end before the next run or the CI's clean-up.
"$wineserver" -w

if [ "$failed" -ne 0 ]; then
    echo "windows tests FAILED" >&2
    exit 1
fi
echo "windows tests passed ($((SECONDS - started)) s)"
