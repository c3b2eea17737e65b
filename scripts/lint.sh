#!/usr/bin/env bash
# `make lint`: the project's own C++ through clang-format, cppcheck and
# clang-tidy (.clang-tidy); any finding fails. Runs all three, then reports.
#
# LINT_BUILD (default build-lint) holds the compilation databases (configured,
# never built: clang with the fuzz target, and MinGW for the Windows-only files
# when it is installed), cppcheck's build folder and clang-tidy's record of
# clean files; JOBS is the parallelism.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${LINT_BUILD:-build-lint}
[[ $build = /* ]] || build=$root/$build
jobs=${JOBS:-2}
cd "$root"
started=$SECONDS
failed=()

# The project's own C++, found in its folders, so that a tree that is no git
# checkout (an unpacked archive) is linted alike.
folders=(game dialogs forms assets qt win32 web tests bench)
mapfile -t sources < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
units=()
for file in "${sources[@]}"; do [[ $file = *.cpp ]] && units+=("$file"); done
if [ ${#units[@]} -eq 0 ]; then
    echo "lint FAILED: no C++ found in ${folders[*]}" >&2
    exit 1
fi

echo "== clang-format (${#sources[@]} files)"
clang-format --dry-run --Werror "${sources[@]}" || failed+=(clang-format)

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DDUOMIRA_FUZZ=ON \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
databases=("$build")
if command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    cmake -S "$root" -B "$build/mingw" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DDUOMIRA_WITH_QT=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
    databases+=("$build/mingw")
else
    echo "MinGW-w64 is not installed: clang-tidy skips the Windows-only files"
fi

if command -v emcmake >/dev/null; then
    NODE_PATH=/usr/share/nodejs emcmake cmake -S "$root" -B "$build/web" \
        -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
    databases+=("$build/web")
else
    echo "Emscripten is not installed: clang-tidy skips the page's files"
fi

# The include folders the build gives the project's own targets.
mapfile -t includes < <(python3 - "$root" "$build" <<'EOF'
import json, shlex, sys
root, build = sys.argv[1], sys.argv[2]
found = set()
for entry in json.load(open(f"{build}/compile_commands.json")):
    for argument in shlex.split(entry["command"]):
        if argument.startswith("-I" + root + "/") and not argument.startswith("-I" + build):
            found.add(argument)
print("\n".join(sorted(found)))
EOF
)

echo "== cppcheck (${#units[@]} files)"
mkdir -p "$build/cppcheck"
cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr --quiet \
    --std=c++20 --language=c++ --library=qt --library=googletest --library=posix \
    --library=windows --suppress=missingIncludeSystem "${includes[@]}" -j "$jobs" \
    --cppcheck-build-dir="$build/cppcheck" "${units[@]}" || failed+=(cppcheck)

echo "== clang-tidy"
python3 "$root/scripts/lint_tidy.py" "$root" "$build/tidy-cache" "$jobs" "${databases[@]}" ||
    failed+=(clang-tidy)

if [ ${#failed[@]} -ne 0 ]; then
    echo "lint FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "lint passed ($((SECONDS - started)) s)"
