#!/usr/bin/python3
"""Mutation testing: applies each small fault of a list kept in the
repository, one at a time, runs the tests that line names, and counts the
fault caught when one of them fails (a fault that does not build is counted
apart: it catches nothing). Prints caught/total and every survivor. Too slow
for CI: run it by hand after changing a rule or its tests.

Each line of the list: file | text | replacement | ctest -R regex, the text
and its replacement taken exactly between the " | " separators, with "\\n"
for a line break. Lines starting with "#" and blank lines are skipped.

Usage: scripts/mutate.py [list, default scripts/mutations.txt] [grep pattern]"""
import os
import pathlib
import re
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parent.parent
listing = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "scripts/mutations.txt"
only = re.compile(sys.argv[2]) if len(sys.argv) > 2 else None
caught, survivors, broken = 0, [], []
# What CTest prints of a test that failed, and the fixtures that only build.
failed_test = re.compile(r"^\s+\d+ - (\S+) \((?!Not Run)", re.M)
builds = {"web_build", "windows_build"}
for line in listing.read_text().splitlines():
    if not line.strip() or line.startswith("#") or (only and not only.search(line)):
        continue
    name, text, replacement, tests = line.split(" | ")
    path = root / name
    original = path.read_text()
    text, replacement = text.replace("\\n", "\n"), replacement.replace("\\n", "\n")
    if original.count(text) != 1:
        broken.append(f"{line}  (the text is there {original.count(text)} times)")
        continue
    path.write_text(original.replace(text, replacement))
    try:
        # A test that can stops at its first failure.
        run = subprocess.run(["bash", "scripts/test.sh", "-R", tests.strip()], cwd=root,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                             env=dict(os.environ, TAVREL_FAIL_FAST="1"))
    finally:
        path.write_text(original)
    failed = set(failed_test.findall(run.stdout))
    if run.returncode and not failed - builds:
        print("NO BUILD " + line, flush=True)
        broken.append(line + "  (it does not build)")
    elif run.returncode:
        print("caught   " + line, flush=True)
        caught += 1
    else:
        print("SURVIVED " + line, flush=True)
        survivors.append(line)
total = caught + len(survivors)
print(f"\n{caught}/{total} caught")
for line in survivors:
    print("survivor: " + line)
for line in broken:
    print("not applied: " + line)
sys.exit(1 if survivors or broken else 0)
