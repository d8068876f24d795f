#!/usr/bin/env python3
"""The folders of src/ and what each includes of the others.

Reads every #include "…" under src/, builds the graph of top-level folders
(src/core/, src/study/, …) and fails on a cycle or on an include that the
layering in docs/arquitectura.md does not allow. --detail prints the graph of
every folder, subfolders included, with the files behind each edge.
"""
import collections
import pathlib
import re
import sys

# What each folder may include besides itself.
ALLOWED = {
    "text": set(),
    "core": {"text"},
    "protocol": {"core", "text"},
    "study": {"core", "text", "protocol"},
    "window": {"core", "text"},
    "programs": {"core", "text", "protocol", "study", "window"},
    "web": {"core", "text", "protocol", "study", "window"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def edges(src, depth):
    found = collections.defaultdict(set)
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        here = path.parent.relative_to(src).parts[:depth]
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if not (src / target).is_file():
                continue  # the folder's own moc files and the like
            there = pathlib.PurePath(target).parent.parts[:depth]
            if here != there:
                found["/".join(here), "/".join(there)].add(f"{path.relative_to(src)} -> {target}")
    return found


def cycles(graph_edges):
    """The strongly connected components of more than one folder (Tarjan)."""
    graph = collections.defaultdict(set)
    for a, b in graph_edges:
        graph[a].add(b)
        graph.setdefault(b, set())
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for next_node in sorted(graph[node]):
            if next_node not in index:
                visit(next_node)
                low[node] = min(low[node], low[next_node])
            elif next_node in on_stack:
                low[node] = min(low[node], index[next_node])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    top = edges(src, 1)
    failures = []
    for (a, b), why in sorted(top.items()):
        if b not in ALLOWED.get(a, set()):
            failures.append(f"src/{a}/ may not include src/{b}/: " + "; ".join(sorted(why)))
    for component in cycles(top):
        failures.append("cycle: " + " <-> ".join(f"src/{c}/" for c in component))
    for a, b in sorted(top):
        print(f"src/{a}/ -> src/{b}/")
    if "--detail" in sys.argv:
        detail = edges(src, 9)
        print()
        for (a, b), why in sorted(detail.items()):
            print(f"src/{a}/ -> src/{b}/ ({len(why)})")
        for component in cycles(detail):
            print("cycle among subfolders: " + " <-> ".join(f"src/{c}/" for c in component))
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
