#!/usr/bin/env bash
# Static analysis of the project's own sources: clang-tidy with .clang-tidy and cppcheck
# with .cppcheck-suppressions, over the files that a configured build compiles (its
# compile_commands.json). Any finding fails the run.
#   scripts/lint.sh [--all] [BUILD_DIR]     BUILD_DIR defaults to build/default
# clang-tidy reads the programs, the framework, the core, the fuzz targets and the shared
# test helpers; --all adds every test file (slow: the test files pull in GoogleTest and Qt
# Test, and parsing those dominates). cppcheck always reads every file.
set -euo pipefail
cd "$(dirname "$0")/.."

tidy_dirs="bench|core|desktop|framework|fuzz|pulsar|replay|rustle|shell|twinwave|tests/support"
if [ "${1:-}" = "--all" ]; then
    tidy_dirs="$tidy_dirs|tests"
    shift
fi
build=${1:-build/default}
[ -f "$build/compile_commands.json" ] || { echo "lint: no $build/compile_commands.json; configure that build first" >&2; exit 2; }

# Findings in our own headers count; the system's and the build tree's do not.
own_headers="^$PWD/(bench|core|desktop|framework|fuzz|pulsar|replay|rustle|shell|tests|twinwave)/"
jobs=$(nproc)

echo "== clang-tidy"
run-clang-tidy-14 -quiet -p "$build" -j "$jobs" -header-filter="$own_headers" "^$PWD/($tidy_dirs)/" \
    >"$build/clang-tidy.log" 2>&1 || {
    grep -E -A3 '(warning|error): ' "$build/clang-tidy.log" >&2
    echo "lint: clang-tidy found the faults above (full log: $build/clang-tidy.log)" >&2
    exit 1
}
echo "clang-tidy: no findings"

echo "== cppcheck"
cppcheck --project="$build/compile_commands.json" --library=googletest --library=qt --std=c++20 \
    --enable=warning,performance,portability,style --inline-suppr --suppressions-list=.cppcheck-suppressions \
    --error-exitcode=1 --quiet -j "$jobs"
echo "cppcheck: no findings"
