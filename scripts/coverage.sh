#!/usr/bin/env bash
# Line and branch coverage of the product's code from a build made with ORVO_COVERAGE after
# its tests ran: a table per folder, and a failure where a folder's branch coverage is under
# its threshold. The asan preset's build answers for the shared code and the Qt backend; the
# windows-coverage preset's, whose tests ran under Wine, for the Win32 backend. Branches that
# cannot be taken are marked in the code (GCOVR_EXCL_BR_LINE and the like, each with its
# reason); the compiler's own branches for exceptions are left out, and so are those on lines
# without code.
#   scripts/coverage.sh BUILD_DIR             the table and the thresholds
#   scripts/coverage.sh BUILD_DIR --html DIR  also a report to browse, DIR/index.html
set -euo pipefail
cd "$(dirname "$0")/.."

build=$1
html=()
if [ "${2:-}" = "--html" ]; then
    mkdir -p "$3"
    html=(--html-details "$3/index.html")
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Branch coverage each folder must reach, in per cent; MinGW-w64's objects want its gcov.
thresholds='{"core": 95, "replay": 95, "shell": 95, "framework": 90, "framework/qt": 90}'
gcov=gcov
if grep -q '^CMAKE_TOOLCHAIN_FILE:.*mingw-w64' "$build/CMakeCache.txt"; then
    thresholds='{"framework/win32": 85}'
    gcov=x86_64-w64-mingw32-gcov-posix
fi

gcovr --root . --object-directory "$build" --gcov-executable "$gcov" -j "$(nproc)" \
    --filter 'core/' --filter 'replay/' --filter 'shell/' --filter 'framework/' \
    --filter 'rustle/' --filter 'pulsar/' --filter 'twinwave/' \
    --exclude-unreachable-branches --json "$work/all.json" "$build" >/dev/null

# gcov (GCC 12) names an edge taken only by an exception where its block ran, and a header's
# function runs in some objects and not in others: gcovr's --exclude-throw-branches would
# keep the edges of the copies that never ran. The flag merged over every object is whole.
python3 - "$work/all.json" "$work/counted.json" <<'PY'
import json, sys

data = json.load(open(sys.argv[1]))
for entry in data["files"]:
    for line in entry["lines"]:
        line["branches"] = [branch for branch in line["branches"] if not branch["throw"]]
json.dump(data, open(sys.argv[2], "w"))
PY
gcovr --root . --add-tracefile "$work/counted.json" --json-summary "$work/summary.json" "${html[@]}" >/dev/null

python3 - "$work/summary.json" "$thresholds" <<'PY'
import json, os, sys

thresholds = json.loads(sys.argv[2])
folders = {}
for entry in json.load(open(sys.argv[1]))["files"]:
    folder = os.path.dirname(entry["filename"])
    folder = "framework" if folder == "framework/detail" else folder
    totals = folders.setdefault(folder, [0, 0, 0, 0])
    for i, key in enumerate(("line_covered", "line_total", "branch_covered", "branch_total")):
        totals[i] += entry[key]

def percent(covered, total):
    return 100.0 * covered / total if total else 100.0

print(f"{'folder':<16}{'lines':>16}{'branches':>18}  threshold")
failed = []
for folder, (lines, line_total, branches, branch_total) in sorted(folders.items()):
    branch_percent = percent(branches, branch_total)
    threshold = thresholds.get(folder)
    mark = "" if threshold is None else f"  {threshold} %" + ("" if branch_percent >= threshold else "  UNDER")
    print(f"{folder:<16}{percent(lines, line_total):7.1f} % {lines:>5}/{line_total:<5}"
          f"{branch_percent:7.1f} % {branches:>5}/{branch_total:<5}{mark}")
    if threshold is not None and branch_percent < threshold:
        failed.append(folder)
for folder in thresholds:
    if folder not in folders:
        failed.append(folder + " (no data)")
if failed:
    sys.stdout.flush()
    sys.exit("coverage: branch coverage under the threshold in " + ", ".join(failed))
PY
