#!/bin/sh
# Test share: non-blank C++ lines (*.cpp, *.h) under tests/ against the
# program's own code folders. bench/ and fuzz/ count on neither side.
# Usage: scripts/test-share.sh [repository root]
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root"

count() {
    # Non-blank lines of the C++ files under the given folders.
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null |
        xargs -0 cat 2>/dev/null | grep -c '[^[:space:]]' || true
}

# Every top-level folder that holds C++ counts as code, except the tests,
# the benchmarks, the fuzz targets and the build trees.
code_dirs=
for d in */; do
    d=${d%/}
    case $d in
    tests | bench | fuzz | build* | cmake | docs | gamedata | scripts) continue ;;
    esac
    code_dirs="$code_dirs $d"
done

tests=$(count tests)
# shellcheck disable=SC2086
code=$(count $code_dirs)
echo "test lines: $tests"
echo "code lines: $code ($(echo $code_dirs))"
awk -v t="$tests" -v c="$code" 'BEGIN {
    printf "test share: %.1f%% of all lines (tests / (tests + code))\n", 100 * t / (t + c)
}'
