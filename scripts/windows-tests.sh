#!/usr/bin/env bash
# The Windows side, built with MinGW-w64 and run under Wine: the launcher
# against a real registry, files and processes, and the program file's icon
# and version block from win32/duomira.rc.
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
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
cross=$build/mingw

for tool in x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres \
    "$wine"; do
    command -v "$tool" >/dev/null || {
        echo "windows tests FAILED: $tool is missing (make test installs it)" >&2
        exit 1
    }
done
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

# A prefix of our own, no display, no Wine chatter, and a Korean system
# (ANSI code page 949) as the game's players have.
export WINEPREFIX=$build/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
unset WAYLAND_DISPLAY
# The locale is compiled into the build folder, so that Wine can name files
# in Hangul whichever locales the machine has generated.
locales=$build/locale
mkdir -p "$locales"
[ -f "$locales/ko_KR.UTF-8/LC_CTYPE" ] || localedef -i ko_KR -f UTF-8 "$locales/ko_KR.UTF-8"
run_wine() { LOCPATH=$locales LC_ALL=ko_KR.UTF-8 "$wine" "$@"; }

started=$SECONDS
mkdir -p "$build"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)"
    run_wine wineboot -i >/dev/null 2>&1 || true
    "$wineserver" -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "could not create the Wine prefix" >&2; exit 1; }
fi

cmake -S "$root" -B "$cross" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DDUOMIRA_WITH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$cross" -j "$jobs"

failed=0
(cd "$cross" && LOCPATH=$locales LC_ALL=ko_KR.UTF-8 ctest -j "$jobs" --output-on-failure) || failed=1
# Let Wine's own processes end before the next run or the CI's clean-up.
"$wineserver" -w

if [ "$failed" -ne 0 ]; then
    echo "windows tests FAILED" >&2
    exit 1
fi
echo "windows tests passed ($((SECONDS - started)) s)"
