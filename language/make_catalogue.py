# SPDX-License-Identifier: GPL-3.0-or-later
"""make_catalogue.py OUT.cpp PO_DIR [--compile CODE...] [--files DIR]: the languages the program
speaks and their words, from the translators' files in PO_DIR.

- The languages are English, the source, and those of PO_DIR/LINGUAS, in that order: each .po's
  header names the language in its own words (X-Language-Name) and says whether its numbers are
  written with a decimal comma (X-Decimal-Comma: yes).
- A language's words are the translations of its .po (a fuzzy or untranslated entry is left out,
  so its English shows) and the rules of its .speech, by which it says mathematics aloud.

OUT.cpp holds the table of every language and the words of those given to --compile (all of
them where --compile is not given). --files writes the words of every other language into a
file DIR/CODE.lang of their own, which the page fetches when the language is chosen: all but
the texts that only the desktop window says (every reference of theirs in app/ or data/) and
those that only the practice room says, which go into DIR/CODE.practice.lang, fetched with the
room: its entries alone, read after the page's own.

A catalogue whose plural rule is not one the program knows, a .speech line that is no rule or
a rule given twice, stops the build, naming the file and the line."""
import argparse, ast, pathlib, re, sys

PLURAL_RULES = {"(n != 1)": False, "n != 1": False, "(n > 1)": True, "n > 1": True}
# The fields of a .lang file: a record per line of the catalogue and per speech rule.
UNIT, RECORD = "\x1f", "\x1e"
# The sources of the desktop window and its desktop files, which the page has none of: a text
# that only they say is left out of a .lang file.
DESKTOP_ONLY = ("app/", "data/")
# The sources of the practice room, which the page fetches only when a pupil first opens it.
PRACTICE = ("practice/", "web/practice", "web/print_sheet")


def entries(path):
    """The entries of a .po file as dicts of msgid, msgid_plural, msgstr / msgstr[N], flags and
    the source files that say the text (files)."""
    entry, key, found = {"flags": "", "files": []}, None, []
    for line in path.read_text(encoding="utf-8").splitlines() + [""]:
        line = line.strip()
        if not line:
            if "msgid" in entry:
                found.append(entry)
            entry, key = {"flags": "", "files": []}, None
        elif line.startswith("#,"):
            entry["flags"] += line[2:]
        elif line.startswith("#:"):
            entry["files"] += [reference.rpartition(":")[0] for reference in line[2:].split()]
        elif line.startswith("#"):
            continue  # comments and obsolete entries
        elif line.startswith('"'):
            entry[key] += ast.literal_eval(line)
        else:
            key, _, text = line.partition(" ")
            entry[key] = ast.literal_eval(text)
    return found


def speech_rules(path):
    found = {}
    if not path.exists():
        return found
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        name, colon, said = line.partition(":")
        if not colon or not name.strip():
            sys.exit(f"{path}:{number}: not a rule (name: what is said): {line}")
        if name.strip() in found:
            sys.exit(f"{path}:{number}: {name.strip()} is given twice")
        found[name.strip()] = said.strip()
    return found


class Language:
    def __init__(self, po_dir, code):
        self.code, self.rows, self.plural_from_two, self.desktop_only, self.practice_only = code, [], False, set(), set()
        self.name, self.comma = "English", False
        self.speech = sorted(speech_rules(pathlib.Path(po_dir, f"{code}.speech")).items(), key=lambda r: r[0].encode())
        if code == "en":
            return
        path = pathlib.Path(po_dir, f"{code}.po")
        found = entries(path)
        header = dict(re.findall(r"^([\w-]+): *(.*)$", next(e for e in found if e["msgid"] == "")["msgstr"], re.M))
        rule = re.search(r"plural=([^;]*);", header.get("Plural-Forms", ""))
        if not rule or rule.group(1).strip() not in PLURAL_RULES:
            sys.exit(f"{path}: a plural rule the program does not know: {rule and rule.group(1)}")
        if "X-Language-Name" not in header:
            sys.exit(f"{path}: its header names no language (X-Language-Name)")
        self.plural_from_two = PLURAL_RULES[rule.group(1).strip()]
        self.name, self.comma = header["X-Language-Name"], header.get("X-Decimal-Comma") == "yes"
        for e in found:
            plural = "msgid_plural" in e
            texts = [e.get("msgstr[0]", ""), e.get("msgstr[1]", "")] if plural else [e.get("msgstr", ""), ""]
            if not e["msgid"] or "fuzzy" in e["flags"] or not all(texts[: 2 if plural else 1]):
                continue
            key = (e["msgctxt"] + "\x04" if "msgctxt" in e else "") + e["msgid"]  # gettext's own key
            self.rows.append((key, e.get("msgid_plural", ""), texts))
            if e["files"] and all(file.startswith(DESKTOP_ONLY) for file in e["files"]):
                self.desktop_only.add(key)
            elif e["files"] and all(file.startswith(DESKTOP_ONLY + PRACTICE) for file in e["files"]):
                self.practice_only.add(key)
        self.rows.sort(key=lambda row: row[0].encode())


def literal(text):
    escaped = (text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t")
               .replace("\x04", '\\x04""'))
    return f'"{escaped}"'


def table(language):
    entries = ",\n".join(f"    {{{literal(k)}, {literal(p)}, {{{literal(t[0])}, {literal(t[1])}}}}}" for k, p, t in language.rows)
    rules = ",\n".join(f"    {{{literal(n)}, {literal(s)}}}" for n, s in language.speech)
    c = language.code
    return (f"constexpr std::array<Entry, {len(language.rows)}> {c}Entries{{{{\n{entries}\n}}}};\n"
            f"constexpr std::array<SpeechRule, {len(language.speech)}> {c}Speech{{{{\n{rules}\n}}}};\n")


def lang_file(language):
    records = [f"{language.code}{UNIT}{int(language.plural_from_two)}"]
    records += [UNIT.join(["e", key, plural, *texts]) for key, plural, texts in language.rows
                if key not in language.desktop_only | language.practice_only]
    records += [UNIT.join(["s", name, said]) for name, said in language.speech]
    return RECORD.join(records) + RECORD


def practice_file(language):  # entries only: the room reads them after the page's file
    return "".join(UNIT.join(["e", key, plural, *texts]) + RECORD for key, plural, texts in language.rows
                   if key in language.practice_only)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("po_dir")
    parser.add_argument("--compile", nargs="*")
    parser.add_argument("--files")
    args = parser.parse_args()
    linguas = pathlib.Path(args.po_dir, "LINGUAS").read_text().splitlines()
    codes = ["en"] + [code for line in linguas if not line.startswith("#") for code in line.split()]
    known = [Language(args.po_dir, code) for code in codes]
    compiled = [l for l in known if args.compile is None or l.code in args.compile]
    if args.files:
        for language in known:
            if language not in compiled:
                pathlib.Path(args.files, f"{language.code}.lang").write_text(lang_file(language), encoding="utf-8")
                pathlib.Path(args.files, f"{language.code}.practice.lang").write_text(practice_file(language),
                                                                                      encoding="utf-8")
    listed = ", ".join(f'Language{{{literal(l.code)}, {literal(l.name)}, {str(l.comma).lower()}}}' for l in known)
    catalogues = ", ".join(f"Catalogue{{{literal(l.code)}, {str(l.plural_from_two).lower()}, {l.code}Entries, {l.code}Speech}}"
                           for l in compiled)
    pathlib.Path(args.out).write_text(
        "// Made by language/make_catalogue.py from po/: edit those files, not this.\n"
        '#include "language/catalogue.h"\n\n#include <array>\n\nnamespace vorantis::catalogue {\nnamespace {\n\n'
        + "\n".join(table(l) for l in compiled)
        + f"\nconstexpr Language knownLanguages[]{{{listed}}};\nconstexpr Catalogue compiledCatalogues[]{{{catalogues}}};\n\n"
        "} // namespace\n\nconst std::span<const Language> known{knownLanguages};\n"
        "const std::span<const Catalogue> compiled{compiledCatalogues};\n\n} // namespace vorantis::catalogue\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
