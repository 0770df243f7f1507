#!/usr/bin/env python3
"""Writes the translation units that scripts/lint.sh gives clang-tidy: one per target of a
configured build, including that target's source files, and their compile database.

    unified_sources.py BUILD_DIR FILES_REGEX OUT_DIR

Parsing the toolkit's headers is most of clang-tidy's time, and one unit parses them once
for all of a target's files. Each unit's name holds "UnifiedSource" because only then does
the static analyzer analyse the source files that a unit includes as it would their own
units. A unit stands in OUT_DIR where its files stand in the source tree, beside a copy of
the .clang-tidy that configures them, so that the same checks read them. misc-unused-using-decls
reads a unit's main file alone: a file with a using-declaration stays a unit of its own. The
units of a unity build are read as the files they include.
"""
import json
import os
import re
import shlex
import shutil
import sys

USING_DECLARATION = re.compile(r"^\s*using\s+(?!namespace\b)[\w:<>, ]*::\s*~?\w+\s*;", re.MULTILINE)
UNITY_INCLUDE = re.compile(r'^#include "(.+)"$', re.MULTILINE)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def sources(entry):
    """The source files that a compile database entry compiles."""
    if "/Unity/unity_" in entry["file"]:
        return UNITY_INCLUDE.findall(read(entry["file"]))
    return [entry["file"]]


def configuration(source):
    """The folder of the .clang-tidy that configures `source`."""
    folder = os.path.dirname(source)
    while not os.path.exists(os.path.join(folder, ".clang-tidy")) and folder != os.path.dirname(folder):
        folder = os.path.dirname(folder)
    return folder


def main(build, files_regex, out):
    wanted = re.compile(files_regex)
    units = {}  # (configuration, target, directory, flags) -> source files
    alone = []
    for entry in json.loads(read(os.path.join(build, "compile_commands.json"))):
        chosen = [source for source in sources(entry) if wanted.match(source)]
        if not chosen:
            continue
        args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
        output = args.index("-o")
        target = re.search(r"([^/]+)\.dir/", args[output + 1]).group(1)
        flags = tuple(a for i, a in enumerate(args) if i not in (output, output + 1) and a not in ("-c", entry["file"]))
        for source in chosen:
            if USING_DECLARATION.search(read(source)):
                alone.append({"directory": entry["directory"], "file": source, "arguments": [*flags, "-c", source]})
            else:
                units.setdefault((configuration(source), target, entry["directory"], flags), []).append(source)

    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    database = list(alone)
    for (config, target, directory, flags), included in units.items():
        folder = os.path.join(os.path.abspath(out), os.path.relpath(config))
        os.makedirs(folder, exist_ok=True)
        shutil.copy(os.path.join(config, ".clang-tidy"), folder)
        unit = os.path.join(folder, f"UnifiedSource-{target}.cpp")
        with open(unit, "w", encoding="utf-8") as f:
            f.writelines(f'#include "{source}"  // NOLINT(bugprone-suspicious-include)\n' for source in included)
        database.append({"directory": directory, "file": unit, "arguments": [*flags, "-c", unit, "-o", unit + ".o"]})
    with open(os.path.join(out, "compile_commands.json"), "w", encoding="utf-8") as f:
        json.dump(database, f, indent=1)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
