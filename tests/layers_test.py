#!/usr/bin/python3
"""Checks the layering of docs/architecture.md against every #include of the
tree, each of which names its folder ("engine/holidays.h"): a folder uses only folders of a lower rank (or itself), no program uses
another, no unit (a .h and its .cpp) includes its way back to itself, Qt only
in the window's folder and cairo and Pango only in the page drawer's. Exits 1
naming each fault. Usage: layers_test.py ROOT"""
import os
import re
import subprocess
import sys

root = sys.argv[1]
table = open(os.path.join(root, "docs/architecture.md"), encoding="utf-8").read()
ranks = {folder.rstrip("/"): int(rank)
         for rank, folder in re.findall(r"^\| (\d+) \| `([^`]+)` \|", table, re.M)}
if len(ranks) < 10:
    sys.exit(f"docs/architecture.md: expected the table of layers, found {len(ranks)} rows")

files = subprocess.run(["git", "-C", root, "ls-files", "*.h", "*.cpp"], check=True,
                       capture_output=True, text=True).stdout.split()


def folder_of(path):
    for folder in sorted(ranks, key=len, reverse=True):
        if path.startswith(folder + "/"):
            return folder
    return None


sources = {path: folder_of(path) for path in files if folder_of(path)}
headers = {}
for path in sources:
    if path.endswith(".h"):
        headers.setdefault(os.path.basename(path), []).append(path)

faults = []
graph = {}
for path, folder in sources.items():
    text = open(os.path.join(root, path), encoding="utf-8", errors="replace").read()
    unit = os.path.splitext(path)[0]
    for system in re.findall(r'#include <(Q\w+|cairo[\w-]*\.h|pango/[\w.]+)>', text):
        allowed = "programs/dalcal" if system.startswith("Q") else "programs/dalcal-page"
        if folder != allowed:
            faults.append(f"{path}: includes <{system}>, which only {allowed}/ may")
    for name in re.findall(r'#include "([^"]+)"', text):
        # The tree's root, or the C interface's installed layout ("dalcal/dalcal.h").
        name = next((n for n in (name, "libdalcal/include/" + name) if n in sources), name)
        if name not in sources:
            if os.path.basename(name) in headers:
                faults.append(f"{path}: includes \"{name}\" without its folder "
                              f"({' or '.join(headers[os.path.basename(name)])})")
            continue
        for target in [name]:
            other = sources[target]
            target_unit = os.path.splitext(target)[0]
            if target_unit != unit:
                graph.setdefault(unit, set()).add(target_unit)
            if other == folder:
                continue
            if ranks[other] >= ranks[folder]:
                faults.append(f"{path}: includes {target} ({other}/, rank {ranks[other]}, "
                              f"not below {folder}/, rank {ranks[folder]})")

# A cycle among units: a depth-first search that meets a unit still open.
state = {}


def visit(unit, trail):
    state[unit] = "open"
    for target in sorted(graph.get(unit, ())):
        if state.get(target) == "open":
            faults.append("include cycle: " + " -> ".join(trail[trail.index(target):] + [target]))
        elif target not in state:
            visit(target, trail + [target])
    state[unit] = "done"


for unit in sorted(graph):
    if unit not in state:
        visit(unit, [unit])

for fault in faults:
    print(fault)
print(f"{len(sources)} files of {len(ranks)} folders: {len(faults)} faults")
sys.exit(1 if faults else 0)
