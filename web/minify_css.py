# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a style sheet lighter in place: its comments (but the licence's), each line's indent and
the empty lines go; what is left reads the same to a browser.

    minify_css.py SHEET

No comment mark may stand inside a quoted string: the page's sheets have none."""
import pathlib
import re
import sys

sheet = pathlib.Path(sys.argv[1])
css = sheet.read_text(encoding="utf-8")
css = re.sub(r"/\*(?!\s*SPDX-License-Identifier).*?\*/", "", css, flags=re.S)
lines = (line.strip() for line in css.splitlines())
sheet.write_text("\n".join(line for line in lines if line) + "\n", encoding="utf-8")
