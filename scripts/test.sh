#!/usr/bin/env bash
# `make test` after the build: every part of the suite runs, also after one
# has failed, so that a newcomer sees all that is wrong at once. The main
# CTest suite comes last, so that on success its summary is the last word;
# on failure a line naming the failed parts follows it.
#
# BUILD (default build) is the configured and built main build folder, JOBS
# the parallelism.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-build}
[[ $build = /* ]] || build=$root/$build
jobs=${JOBS:-2}
cd "$root"
failed=()

BUILD=$build JOBS=$jobs scripts/windows-tests.sh || failed+=("windows tests")
JOBS=$jobs scripts/fuzz.sh smoke || failed+=(fuzz)
SANITIZE_BUILD=$build-asan JOBS=$jobs scripts/sanitize.sh || failed+=(sanitizers)
LINT_BUILD=$build-lint JOBS=$jobs scripts/lint.sh || failed+=(lint)
BUILD=$build JOBS=$jobs scripts/web-build.sh >/dev/null || failed+=("web build")
(cd "$build" && ctest --output-on-failure -j "$jobs") || failed+=(ctest)

if [ ${#failed[@]} -ne 0 ]; then
    (IFS=,; echo "make test FAILED: ${failed[*]}" >&2)
    exit 1
fi
