# SPDX-License-Identifier: GPL-3.0-or-later
"""make_catalogue.py OUT.cpp PO_DIR CODE...: the translations of po/CODE.po, for each language
code after the first (English, the source), as the tables of language/catalogue.h.

A fuzzy or untranslated entry is left out, so its English shows; a catalogue whose plural rule
is not one the program knows stops the build."""
import ast, pathlib, re, sys

PLURAL_RULES = {"(n != 1)": False, "n != 1": False, "(n > 1)": True, "n > 1": True}


def entries(path):
    """The entries of a .po file as dicts of msgid, msgid_plural, msgstr / msgstr[N], flags."""
    entry, key, found = {"flags": ""}, None, []
    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        line = line.strip()
        if not line:
            if "msgid" in entry:
                found.append(entry)
            entry, key = {"flags": ""}, None
        elif line.startswith("#,"):
            entry["flags"] += line[2:]
        elif line.startswith("#"):
            continue  # comments, references and obsolete entries
        elif line.startswith('"'):
            entry[key] += ast.literal_eval(line)
        else:
            key, _, text = line.partition(" ")
            entry[key] = ast.literal_eval(text)
    return found


def literal(text):
    escaped = (text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t")
               .replace("\x04", '\\x04""'))
    return f'"{escaped}"'


def main(out, po_dir, codes):
    tables, catalogues = [], ["{{}, false}"]  # English: nothing to look up
    for code in codes[1:]:
        found = entries(pathlib.Path(po_dir, f"{code}.po"))
        header = next(e for e in found if e["msgid"] == "")["msgstr"]
        rule = re.search(r"plural=([^;]*);", header)
        if not rule or rule.group(1).strip() not in PLURAL_RULES:
            sys.exit(f"{code}.po: a plural rule the program does not know: {rule and rule.group(1)}")
        rows = []
        for e in found:
            texts = [e.get("msgstr", ""), ""] if "msgid_plural" not in e else [e.get("msgstr[0]", ""), e.get("msgstr[1]", "")]
            if not e["msgid"] or "fuzzy" in e["flags"] or not all(texts[: 2 if "msgid_plural" in e else 1]):
                continue
            key = (e["msgctxt"] + "\x04" if "msgctxt" in e else "") + e["msgid"]  # gettext's own key
            rows.append((key.encode(), e.get("msgid_plural", ""), texts))
        rows.sort(key=lambda row: row[0])
        body = ",\n".join(f"    {{{literal(i.decode())}, {literal(p)}, {{{literal(t[0])}, {literal(t[1])}}}}}"
                          for i, p, t in rows)
        tables.append(f"constexpr std::array<Entry, {len(rows)}> {code}{{{{\n{body}\n}}}};\n")
        catalogues.append(f"{{{code}, {'true' if PLURAL_RULES[rule.group(1).strip()] else 'false'}}}")
    pathlib.Path(out).write_text(
        "// Made by language/make_catalogue.py from po/*.po: edit those, not this.\n"
        '#include "language/catalogue.h"\n\nnamespace vorantis::catalogue {\nnamespace {\n\n'
        + "\n".join(tables) + f"\nconstexpr Catalogue all[]{{{', '.join(catalogues)}}};\n\n}} // namespace\n\n"
        "const std::span<const Catalogue> catalogues{all};\n\n} // namespace vorantis::catalogue\n",
        encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
