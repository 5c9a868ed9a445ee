# SPDX-License-Identifier: GPL-3.0-or-later
"""make_speech.py OUT.cpp PO_DIR CODE...: the rules of po/CODE.speech, for each language code,
as the tables of language/speech.h. A line that is no rule, or a rule given twice, stops the
build, naming the file and the line."""
import pathlib, sys


def rules(path):
    found = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        name, colon, said = line.partition(":")
        if not colon or not name.strip():
            sys.exit(f"{path}:{number}: not a rule (name: what is said): {line}")
        if name.strip() in found:
            sys.exit(f"{path}:{number}: {name.strip()} is given twice")
        found[name.strip()] = said.strip() if name.strip() != "list" else said.lstrip()
    return found


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main(out, po_dir, codes):
    tables, languages = [], []
    for code in codes:
        path = pathlib.Path(po_dir, f"{code}.speech")
        found = rules(path) if path.exists() else {}
        rows = ",\n".join(f"    {{{literal(k)}, {literal(v)}}}" for k, v in sorted(found.items(), key=lambda r: r[0].encode()))
        tables.append(f"constexpr std::array<SpeechRule, {len(found)}> {code}{{{{\n{rows}\n}}}};\n")
        languages.append(f'{{"{code}", {code}}}')
    pathlib.Path(out).write_text(
        "// Made by language/make_speech.py from po/*.speech: edit those, not this.\n"
        '#include "language/speech.h"\n\n#include <array>\n\nnamespace vorantis::speech {\nnamespace {\n\n'
        + "\n".join(tables) + f"\nconstexpr SpeechRules all[]{{{', '.join(languages)}}};\n\n}} // namespace\n\n"
        "const std::span<const SpeechRules> rules{all};\n\n} // namespace vorantis::speech\n",
        encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
