#!/usr/bin/env python3
"""The folders are layers: a file may include only its own folder and the folders
its library links (layers.txt, written by CMakeLists.txt), no two folders include
each other, the logic includes no Qt, and README's table of arrows is the one the
build uses.

Usage: layers_test.py SOURCE_DIR LAYERS_FILE
Prints one line per fault and exits with 1 when there is any."""

import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
NOT_LAYERS = {"tests", "fuzz", "bench", "build", "docs", "packaging", "scripts", "cmake", "data"}


def read_layers(path):
    arrows = {}
    for line in pathlib.Path(path).read_text().splitlines():
        if ":" in line:
            folder, uses = line.split(":", 1)
            arrows[folder.strip()] = uses.split()
    return arrows


def read_readme_table(path):
    """The block after the line "Allowed arrows" in README: FOLDER  USES..."""
    table = {}
    lines = pathlib.Path(path).read_text().splitlines()
    try:
        start = next(i for i, line in enumerate(lines) if line.startswith("Allowed arrows"))
    except StopIteration:
        return None
    last = None
    for line in lines[start + 1:]:
        if not line.strip():
            if table:
                break
            continue
        fields = line.split()
        if line.startswith("     ") and last:  # a row's continuation line
            table[last] += fields
            continue
        if fields[0] == "folder":
            continue
        last = fields[0]
        table[last] = [] if fields[1:] == ["-"] else fields[1:]
    return table


def folder_of(relative):
    return str(pathlib.PurePosixPath(relative).parent)


def main():
    source = pathlib.Path(sys.argv[1])
    arrows = read_layers(sys.argv[2])
    faults = []
    includes = {}  # (from folder, to folder) -> first place seen

    for path in sorted(source.rglob("*")):
        if path.suffix not in (".cpp", ".h") or not path.is_file():
            continue
        relative = path.relative_to(source).as_posix()
        top = relative.split("/")[0]
        # Build folders (.gitignore's /build*/: build, build-asan, build-fuzz...)
        # hold generated code, not layers.
        if top in NOT_LAYERS or top.startswith("build") or "/build" in relative:
            continue
        folder = folder_of(relative)
        if folder not in arrows:
            faults.append(f"{relative}: its folder {folder} is no library of the build")
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            kind, name = match.groups()
            place = f"{relative}:{number}"
            if kind == "<":
                if re.match(r"Q[A-Za-z]*$", name.split("/")[0]) and not folder.endswith("/ui"):
                    faults.append(f"{place} includes <{name}>, but Qt belongs in a ui/ folder")
                continue
            target = folder_of(name)
            if target == folder or target not in arrows:
                continue
            includes.setdefault((folder, target), place)
            if target not in arrows[folder]:
                faults.append(
                    f"{place} includes {name}, but {folder} does not link {target}")

    for (a, b), place in sorted(includes.items()):
        if a < b and (b, a) in includes:
            faults.append(f"{a} and {b} include each other ({place}, {includes[(b, a)]})")

    # The arrows themselves form no loop.
    state = {}

    def visit(folder, trail):
        if state.get(folder) == "done":
            return
        if state.get(folder) == "open":
            faults.append("the arrows loop: " + " -> ".join(trail[trail.index(folder):] + [folder]))
            return
        state[folder] = "open"
        for used in arrows.get(folder, []):
            visit(used, trail + [folder])
        state[folder] = "done"

    for folder in arrows:
        visit(folder, [])

    readme = read_readme_table(source / "README.md")
    if readme is None:
        faults.append("README.md has no table of allowed arrows")
    else:
        for folder in sorted(set(readme) | set(arrows)):
            if sorted(readme.get(folder, ["(missing)"])) != sorted(arrows.get(folder, ["(missing)"])):
                faults.append(
                    f"README.md's arrows for {folder} ({' '.join(readme.get(folder, ['missing']))}) "
                    f"differ from the build's ({' '.join(arrows.get(folder, ['missing']))})")

    for fault in faults:
        print(fault)
    print(f"{len(arrows)} libraries, {len(includes)} arrows used, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
