#!/usr/bin/env python3
"""Checks that includes between the folders of src/ follow src/LAYERS.

Every quoted include "folder/file.h" in src/<folder>/ must name its own folder or one the
rule file allows; the rules themselves must not run in a circle; every folder of src/ must
have a rule. Prints each offence with its file and line and exits with 1 when there is one.
Usage: checklayers.py [SRC]   (SRC defaults to the src folder beside tools/)."""
import os
import re
import sys


def read_rules(path):
    rules = {}
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        name, _, allowed = line.partition(":")
        if not _:
            sys.exit(f"{path}:{number}: expected 'folder: folders it may include'")
        rules[name.strip()] = set(allowed.split())
    return rules


def find_cycle(rules):
    state = {}

    def visit(node, trail):
        if state.get(node) == "done":
            return None
        if state.get(node) == "open":
            return trail[trail.index(node):] + [node]
        state[node] = "open"
        for below in sorted(rules.get(node, ())):
            cycle = visit(below, trail + [node])
            if cycle:
                return cycle
        state[node] = "done"
        return None

    for node in sorted(rules):
        cycle = visit(node, [])
        if cycle:
            return cycle
    return None


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "src")
    src = os.path.normpath(src)
    rules = read_rules(os.path.join(src, "LAYERS"))
    offences = []
    for name, allowed in rules.items():
        for other in allowed - set(rules):
            offences.append(f"LAYERS: '{name}' may include '{other}', which has no rule")
    cycle = find_cycle(rules)
    if cycle:
        offences.append("LAYERS: the rules run in a circle: " + " -> ".join(cycle))
    include = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"')
    for folder in sorted(os.listdir(src)):
        path = os.path.join(src, folder)
        if not os.path.isdir(path):
            continue
        if folder not in rules:
            offences.append(f"{folder}/: no rule in LAYERS")
            continue
        for root, _, files in os.walk(path):
            for f in sorted(files):
                if not f.endswith((".h", ".cpp")):
                    continue
                file = os.path.join(root, f)
                for number, line in enumerate(open(file, encoding="utf-8"), 1):
                    m = include.match(line)
                    if m and m.group(1) != folder and m.group(1) not in rules[folder]:
                        shown = os.path.relpath(file, src)
                        offences.append(f"{shown}:{number}: includes \"{m.group(0).split(chr(34))[1]}\": "
                                        f"{folder} may not include {m.group(1)}")
    for offence in offences:
        print(offence)
    if offences:
        print(f"{len(offences)} offence(s) against {os.path.join(src, 'LAYERS')}")
        return 1
    print("includes follow src/LAYERS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
