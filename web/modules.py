# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's ES modules put together as one module, as the site and the single file serve them:
each module after those it imports, without its import lines and export marks. The modules are
written for it: one import to a line, and no name declared at the top of two of them.

A module imported later (import("./practice.js")) stays a file of its own, fetched when it is
asked for, unless `with_later` puts it in too (the single file, which may import no other
file): its import then gives its exports at once, functions declared before any script runs.
"""
import re
import sys

LATER = r'import\("\./([\w.-]+)"\)'


def _ordered(scripts, entry, with_later):
    names = []

    def add(name):
        if name in names:
            return
        source = (scripts / name).read_text()
        for imported in re.findall(r'^import .* from "\./([\w.-]+)";$', source, re.M):
            add(imported)
        names.append(name)
        if with_later:
            for later in re.findall(LATER, source):
                add(later)

    add(entry)
    return names


def _exports_of(scripts, name):
    names = re.findall(r"^export (?:async )?function (\w+)", (scripts / name).read_text(), re.M)
    return f"Promise.resolve({{ {', '.join(names)} }})"


def _as_part(scripts, name, with_later):
    source = re.sub(r'^import .* from "\./[\w.-]+";\n', "", (scripts / name).read_text(), flags=re.M)
    source = re.sub(r"^export default \w+;\n?", "", source, flags=re.M)
    if with_later:
        source = re.sub(LATER, lambda match: _exports_of(scripts, match[1]), source)
    return re.sub(r"^export (?=(?:async )?function|const|let|class)", "", source, flags=re.M)


def _top_names(scripts, name, part):  # a module's glue declares one name: the rest lies inside its function
    glue = re.search(r"^export default (\w+);", (scripts / name).read_text(), re.M)
    return [glue[1]] if glue else re.findall(r"^(?:async )?(?:function\*? |const |let |class |var )(\w+)", part, re.M)


def joined(scripts, entry, with_later=False):
    """The entry module of the folder `scripts` and every module it imports, as one module's text."""
    parts = {name: _as_part(scripts, name, with_later) for name in _ordered(scripts, entry, with_later)}
    declared = [top for name, part in parts.items() for top in _top_names(scripts, name, part)]
    twice = {name for name in declared if declared.count(name) > 1}
    if twice:
        sys.exit(f"modules.py: declared at the top of more than one module: {sorted(twice)}")
    return "\n".join(parts.values())


if __name__ == "__main__":  # modules.py SCRIPTS_DIR ENTRY OUTPUT: the site's one script
    import pathlib

    scripts, entry, output = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
    output.write_text(joined(scripts, entry))
