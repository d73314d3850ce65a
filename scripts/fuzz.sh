#!/usr/bin/env bash
# Builds every fuzz target, the two that need the user interface too, with
# clang under AddressSanitizer and UBSan (every report stops the run), and runs
# each on a scratch copy of its seed corpus, so the committed corpus under
# fuzz/corpus/ is never written.
#
#   scripts/fuzz.sh [seconds per target, default 600] [what ...]
#
# "what" names a target without its fuzz_ prefix (page_file, roster, ...);
# none means all of them. New inputs stay in build-fuzz/scratch-corpus/<what>/,
# an input that failed goes to build-fuzz/crashes/. Exits non-zero when a
# target failed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-600}"
[ $# -gt 0 ] && shift

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for src in "$root"/fuzz/fuzz_*.cpp "$root"/fuzz/qt/fuzz_*.cpp; do
        name="$(basename "$src" .cpp)"
        targets+=("${name#fuzz_}")
    done
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DDEDUXA_FUZZ=ON -DDEDUXA_UI=ON \
    -DDEDUXA_BENCH=OFF > /dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/crashes" "$build/scratch-corpus"
failed=()
for what in "${targets[@]}"; do
    scratch="$build/scratch-corpus/$what"
    rm -rf "$scratch"
    mkdir -p "$scratch"
    [ -d "$root/fuzz/corpus/$what" ] && cp -r "$root/fuzz/corpus/$what/." "$scratch/"
    echo "== fuzz_$what: ${seconds}s"
    if ! QT_QPA_PLATFORM=offscreen "$build/fuzz/fuzz_$what" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$build/crashes/$what-" "$scratch" \
        2> "$build/fuzz_$what.log"; then
        failed+=("$what")
    fi
    grep -E "^stat::number_of_executed_units|^(==[0-9]+==)?ERROR|runtime error" \
        "$build/fuzz_$what.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]} (logs in $build/fuzz_<what>.log)"
    exit 1
fi
echo "all ${#targets[@]} targets ran ${seconds}s each without a report"
