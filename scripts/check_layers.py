#!/usr/bin/env python3
"""Fails when a library includes a header of a library it does not depend on.

Each folder with a `tessa_library(NAME ... DEPENDS ...)` call is one library; a file belongs to
the library of the deepest such folder above it. An include of a header in another library's
folder is allowed only when that library is among the including library's dependencies, direct
or through others. Usage: scripts/check_layers.py [source-root]
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
call = re.compile(r'tessa_library\((\w+)(.*?)\)', re.S)
links = re.compile(r'target_link_libraries\((\w+)(.*?)\)', re.S)

libraries = {}  # folder (relative, posix) -> (name, direct dependencies)
for cmake in root.rglob('CMakeLists.txt'):
    folder = cmake.parent.relative_to(root).as_posix()
    if folder.startswith(('build', 'tests', 'bench', 'fuzz')) or '/build' in folder:
        continue
    for name, body in call.findall(cmake.read_text()):
        words = body.split()
        depends = words[words.index('DEPENDS') + 1:] if 'DEPENDS' in words else []
        stop = [i for i, w in enumerate(depends) if w.isupper()]
        depends = depends[:stop[0]] if stop else depends
        libraries[folder] = (name, [d for d in depends if d.startswith('tessa_')])
    for name, body in links.findall(cmake.read_text()):
        if folder in libraries and libraries[folder][0] == name:
            libraries[folder][1].extend(w for w in body.split() if w.startswith('tessa_'))

folder_of = {name: folder for folder, (name, _) in libraries.items()}


def owner(path):
    """The library folder a path (relative, posix) lies in, or None."""
    best = None
    for folder in libraries:
        if (path == folder or path.startswith(folder + '/')) and (
                best is None or len(folder) > len(best)):
            best = folder
    return best


def reachable(name, seen=None):
    seen = set() if seen is None else seen
    for dep in libraries[folder_of[name]][1] if name in folder_of else []:
        if dep not in seen:
            seen.add(dep)
            reachable(dep, seen)
    return seen


include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
problems = []
for folder, (name, _) in sorted(libraries.items()):
    allowed = reachable(name) | {name}
    for source in sorted((root / folder).rglob('*')):
        if source.suffix not in ('.h', '.cpp'):
            continue
        relative = source.relative_to(root).as_posix()
        if owner(relative) != folder:
            continue
        for header in include.findall(source.read_text(errors='replace')):
            target = owner(header)
            if target is None or target == folder:
                continue
            other = libraries[target][0]
            if other not in allowed:
                problems.append(f'{relative}: includes "{header}" of {other}, '
                                f'which {name} does not depend on')

for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
