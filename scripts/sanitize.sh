#!/usr/bin/env bash
# `make sanitize`: the unit and widget tests (and the picture generator) built with AddressSanitizer and UndefinedBehaviorSanitizer, leak
# checking on, in a build folder of their own. Any report fails the run, also
# one a test's own exit status would hide (a child process): AddressSanitizer's
# and LeakSanitizer's reports go to files, and those of GCC's
# UndefinedBehaviorSanitizer, which ignores log_path next to AddressSanitizer,
# are looked for in the tests' log.
#
# SANITIZE_BUILD (default build-asan) is the build folder, JOBS the
# parallelism.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD:-build-asan}
[[ $build = /* ]] || build=$root/$build
jobs=${JOBS:-2}
started=$SECONDS

# Checked standard-library subscripts too: ASan does not see an index that
# stays inside the enclosing object.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 -D_GLIBCXX_ASSERTIONS $sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null

reports=$build/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# The GoogleTest cases (Suite.Case, the soak among them) and the picture
# generator; the end-to-end and package tests check the real program and its
# files, which the main build's suite does.
status=0
(cd "$build" && ctest -j "$jobs" --output-on-failure --timeout 600 \
    -R '\.|^picture_generator_reproduces_assets$') || status=1

log=$build/Testing/Temporary/LastTest.log
if grep -E -B2 -A12 'runtime error: |^==[0-9]+==ERROR: ' "$log"; then
    echo "sanitizer reports above, from $log" >&2
    status=1
fi
if compgen -G "$reports/*" >/dev/null; then
    for report in "$reports"/*; do
        echo "== $report"
        cat "$report"
    done
    echo "sanitizer reports above" >&2
    status=1
fi
if [ "$status" -ne 0 ]; then
    echo "sanitizer run FAILED" >&2
    exit 1
fi
echo "sanitizer run passed ($((SECONDS - started)) s)"
