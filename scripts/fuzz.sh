#!/usr/bin/env bash
# Builds the number reader's libFuzzer target in its own folder (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs it.
#   scripts/fuzz.sh smoke          the committed seed corpus, then a short pass
#   scripts/fuzz.sh run [SECONDS]  a longer bounded run (default 60 s)
# Extra libFuzzer flags can be given in FUZZ_FLAGS, e.g. FUZZ_FLAGS=-workers=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seeds=$root/tests/fuzz/corpus
mode=${1:-smoke}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DDUOMIRA_WITH_QT=OFF -DDUOMIRA_FUZZ=ON >/dev/null
cmake --build "$build" --target number_reader_fuzz -j "${JOBS:-2}" >/dev/null
fuzzer=$build/tests/number_reader_fuzz

# Whatever the runs find goes to a corpus inside the build folder; the
# committed seeds are only read.
work=$build/corpus
mkdir -p "$work"
flags=(-max_len=4096 -artifact_prefix="$build/" ${FUZZ_FLAGS:-})

case "$mode" in
smoke)
    "$fuzzer" "${flags[@]}" "$seeds"/*
    "$fuzzer" "${flags[@]}" -max_total_time="${FUZZ_SMOKE_SECONDS:-10}" "$work" "$seeds"
    ;;
run)
    "$fuzzer" "${flags[@]}" -max_total_time="${2:-60}" -print_final_stats=1 "$work" "$seeds"
    ;;
*)
    echo "usage: $0 [smoke | run [SECONDS]]" >&2
    exit 2
    ;;
esac
