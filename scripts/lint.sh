#!/usr/bin/env bash
# Static analysis of the project's own sources: clang-tidy with .clang-tidy and cppcheck
# with .cppcheck-suppressions, over the files that a configured build compiles (its
# compile_commands.json). Any finding fails the run.
#   scripts/lint.sh [--all] [BUILD_DIR [WINDOWS_BUILD_DIR]]     BUILD_DIR defaults to build/default
# clang-tidy reads the programs, the framework, the core, the reference model, the fuzz
# targets and the shared test helpers, each target's files as one unit
# (scripts/unified_sources.py); --all adds every test file (slower: the test files pull in
# GoogleTest and Qt Test, and parsing those dominates). cppcheck always reads every
# file. With a Windows build (the windows preset) both also read what only that build
# compiles, the framework's Win32 backend and composer-replay's console, for the MinGW-w64
# target.
set -euo pipefail
cd "$(dirname "$0")/.."

tidy_dirs="bench|core|desktop|framework|fuzz|pulsar|reference|replay|rustle|shell|twinwave|tests/support"
if [ "${1:-}" = "--all" ]; then
    tidy_dirs="$tidy_dirs|tests"
    shift
fi
build=${1:-build/default}
windows_build=${2:-}
for dir in "$build" $windows_build; do
    [ -f "$dir/compile_commands.json" ] || { echo "lint: no $dir/compile_commands.json; configure that build first" >&2; exit 2; }
done

# Findings in our own headers count; the system's and the build tree's do not.
own_headers="^$PWD/(bench|core|desktop|framework|fuzz|pulsar|reference|replay|rustle|shell|tests|twinwave)/"
jobs=$(nproc)

# tidy BUILD_DIR FILES_REGEX [CLANG_TIDY_ARGUMENT...]
tidy() {
    local dir=$1 files=$2
    shift 2
    echo "== clang-tidy ($dir)"
    scripts/unified_sources.py "$dir" "$files" "$dir/lint-units"
    run-clang-tidy-14 -quiet -p "$dir/lint-units" -j "$jobs" -header-filter="$own_headers" "$@" \
        >"$dir/clang-tidy.log" 2>&1 || {
        grep -E -A3 '(warning|error): ' "$dir/clang-tidy.log" >&2
        echo "lint: clang-tidy found the faults above (full log: $dir/clang-tidy.log)" >&2
        exit 1
    }
    echo "clang-tidy: no findings"
}

# The framework's public headers are the classic interface and name neither toolkit: none
# names a Qt type or carries a Win32 declaration itself (each backend brings its own from its
# folder), and each compiles alone with neither toolkit's headers on the include path, with
# each compiler given.
# public_headers COMPILER...
public_headers() {
    echo "== the framework's public headers"
    local headers=(framework/*.h)
    if grep -nE '\bQ[A-Z][A-Za-z]+\b|<Q[A-Za-z]+>|__declspec|__stdcall|<windows\.h>' "${headers[@]}"; then
        echo "lint: a public header of framework/ names a toolkit (above)" >&2
        exit 1
    fi
    local header compiler
    for compiler in "$@"; do
        for header in "${headers[@]}"; do
            "$compiler" -std=c++20 -fsyntax-only -I. -include "$header" -x c++ /dev/null ||
                { echo "lint: $header does not compile alone ($compiler)" >&2; exit 1; }
        done
    done
    echo "public headers: no toolkit in them"
}

# check BUILD_DIR [CPPCHECK_ARGUMENT...]
check() {
    local dir=$1
    shift
    echo "== cppcheck ($dir)"
    cppcheck --project="$dir/compile_commands.json" --library=googletest --library=qt --std=c++20 \
        --enable=warning,performance,portability,style --inline-suppr --suppressions-list=.cppcheck-suppressions \
        --error-exitcode=1 --quiet -j "$jobs" "$@"
    echo "cppcheck: no findings"
}

tidy "$build" "^$PWD/($tidy_dirs)/"
check "$build"
if [ -n "$windows_build" ]; then
    public_headers c++ x86_64-w64-mingw32-g++-posix
    # Clang finds the MinGW-w64 C++ headers where Debian's cross compiler keeps them.
    mingw_cxx=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
    tidy "$windows_build" "^$PWD/(framework/win32/|replay/console_win32)" -extra-arg=--target=x86_64-w64-mingw32 \
        -extra-arg=-isystem$mingw_cxx -extra-arg=-isystem$mingw_cxx/x86_64-w64-mingw32
    check "$windows_build" --file-filter='*framework/win32/*' --file-filter='*replay/console_win32.cpp' --platform=win64
else
    public_headers c++
fi
