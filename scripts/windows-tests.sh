#!/usr/bin/env bash
# The Windows side, built with MinGW-w64 and run under Wine: the launcher's
# tests, the launcher against a real registry, files and processes, and the
# program file's icon and version block from ui/duomira.rc.
#
# BUILD (default build) holds the cross build ($BUILD/mingw) and a private
# Wine prefix ($BUILD/wine-prefix); JOBS is the build's parallelism.
# Skips, and succeeds, where the MinGW toolchain or Wine is not installed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
[[ $build = /* ]] || build=$root/$build
jobs=${JOBS:-2}
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
cross=$build/mingw

skip() {
    echo "windows tests skipped: $1"
    exit 0
}
for tool in x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (g++-mingw-w64-x86-64)"
done
[ -x "$wine" ] || skip "$wine is not installed (wine64)"
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
command -v wrestool >/dev/null || skip "wrestool is not installed (icoutils)"

# A prefix of our own, no display, no Wine chatter, and a Korean system
# (ANSI code page 949) as the game's players have.
export WINEPREFIX=$build/wine-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=
unset WAYLAND_DISPLAY
run_wine() { LC_ALL=ko_KR.UTF-8 "$wine" "$@"; }

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
cmake --build "$cross" -j "$jobs" \
    --target sysinfo_launcher_test windows_registry_test version_resource_test

failed=0
for test in sysinfo_launcher_test windows_registry_test version_resource_test; do
    echo "== $test.exe under Wine"
    if ! run_wine "$cross/tests/$test.exe" --gtest_brief=1; then
        echo "FAILED: $test.exe" >&2
        failed=1
    fi
done

# The same resources seen from outside, as icoutils reads a program file.
exe=$cross/tests/version_resource_test.exe
check() {
    if [ "$2" != "$3" ]; then
        echo "FAILED: $1 is '$2', expected '$3'" >&2
        failed=1
    fi
}
listing=$(wrestool -l "$exe")
check "icon group language" "$(grep -c -- '--type=14 --name=1 --language=1042' <<<"$listing")" 1
check "version block language" "$(grep -c -- '--type=16 --name=1 --language=1042' <<<"$listing")" 1
icon=$root/assets/icon.ico
if ! wrestool -x -t14 -n1 "$exe" | cmp -s -n "$(stat -c %s "$icon")" - "$icon"; then
    echo "FAILED: the program icon differs from assets/icon.ico" >&2
    failed=1
fi
strings=$(wrestool -x --raw -t16 "$exe" | iconv -c -f UTF-16LE -t UTF-8 | tr '\0' '\n')
# A value is the first text after its name; NUL padding may stand between.
value() { awk -v name="$1" 'found && NF { print; exit } $0 ~ name "$" { found = 1 }' <<<"$strings"; }
check ProductName "$(value ProductName)" Duomira
check FileVersion "$(value FileVersion)" 1.00
check ProductVersion "$(value ProductVersion)" 1.00
check InternalName "$(value InternalName)" 토리무나
check OriginalFilename "$(value OriginalFilename)" 토리무나.exe
check "string table" "$(grep -a -c '^.041204B0$' <<<"$strings")" 1

# Let Wine's own processes end before the next run or the CI's clean-up.
"$wineserver" -w

if [ "$failed" -ne 0 ]; then
    echo "windows tests FAILED" >&2
    exit 1
fi
echo "windows tests passed ($((SECONDS - started)) s)"
