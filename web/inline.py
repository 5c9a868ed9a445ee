# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the site's style sheets and its one script inside index.html, and takes their files away.

On a slow link each file the page asks for waits one latency before its first byte: the page's
own files, asked for only once the page has arrived, spent that wait with nothing to send. Inside
the page they arrive with it, while the module, whose preload stands first in the head, waits
for its first byte. The page's policy admits the two elements by the hash of their text.

    inline.py SITE_DIR   (after bundle.py, which reads the files this one takes away)
"""
import base64
import hashlib
import pathlib
import re
import sys

from page_text import SITE_POLICY, replace_once

site = pathlib.Path(sys.argv[1])
SHEETS = ("fonts.css", "style.css")
SCRIPT = "page.js"


def admitted(text):  # a policy's source for an inline element with this text
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def element(tag, text, kind=""):
    if f"</{tag}" in text.lower():
        sys.exit(f"inline.py: the text would end the page's <{tag}> element early")
    return f"<{tag}{kind}>{text}</{tag}>"


page = (site / "index.html").read_text()
style = "".join((site / sheet).read_text() for sheet in SHEETS)
script = (site / SCRIPT).read_text()
links = "".join(f'<link rel="stylesheet" href="{sheet}">\n' for sheet in SHEETS)
page = replace_once(page, links, element("style", style) + "\n")
page = replace_once(page, f'<script type="module" src="{SCRIPT}"></script>',
                    element("script", script, ' type="module"'))
page = replace_once(page, SITE_POLICY, f"default-src 'self'; style-src 'self' {admitted(style)}; "
                    f"script-src 'self' 'wasm-unsafe-eval' {admitted(script)}")
# The module's preload first: its request then leaves as soon as the head's first bytes arrive.
preload = re.search(r'<link rel="preload" id="module"[^>]*>\n', page)[0]
page = replace_once(page, preload, "")
page = replace_once(page, "<title>", preload + "<title>")
(site / "index.html").write_text(page)
for name in (*SHEETS, SCRIPT):
    (site / name).unlink()
