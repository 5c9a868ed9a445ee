# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the single-file page: the site's index.html with its style sheets, fonts, module,
scripts and every language's words inside it, so that it works opened from disk with nothing beside it. A page from
disk has no service worker and is not installed: what serves those goes.

    bundle.py SITE_DIR SCRIPTS_DIR OUTPUT_HTML   (SCRIPTS_DIR: the page's modules as written)
"""
import base64
import gzip
import json
import pathlib
import re
import sys

import modules
from page_text import SITE_POLICY, replace_once

SINGLE_FILE_POLICY = (
    "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval'; "
    "style-src 'unsafe-inline'; font-src data:; connect-src data:; img-src data:"
)

site, scripts, output = (pathlib.Path(arg) for arg in sys.argv[1:])


def inline_script(source):
    if "</script" in source:
        sys.exit("bundle.py: a script would end the page's <script> element early")
    return f'<script type="module">{source}</script>'


def font_data(match):
    font = base64.b64encode((site / match.group(1)).read_bytes()).decode()
    return f"url(data:font/woff2;base64,{font})"


page = (site / "index.html").read_text()
for tag in re.findall(r'<link rel="(?:manifest|apple-touch-icon)"[^>]*>\n', page):
    page = replace_once(page, tag, "")
# The compressed module, where the page's script looks for it.
wasm = base64.b64encode((site / "vorantis.wasm.gz").read_bytes()).decode()
# The practice room's too, which the site fetches only when the room first opens.
room = base64.b64encode((site / "vorantis_practice.wasm.gz").read_bytes()).decode()
page = replace_once(page, '<link rel="preload" id="module" href="vorantis.wasm.gz" as="fetch" crossorigin>',
                    f'<meta id="module" content="data:application/gzip;base64,{wasm}">\n'
                    f'<meta id="practiceModule" content="data:application/gzip;base64,{room}">')
icon = base64.b64encode((site / "vorantis.svg").read_bytes()).decode()
page = replace_once(page, 'href="vorantis.svg"', f'href="data:image/svg+xml;base64,{icon}"')
for sheet in ("fonts.css", "style.css"):
    style = re.sub(r"url\(([\w-]+\.woff2)\)", font_data, (site / sheet).read_text())
    page = replace_once(page, f'<link rel="stylesheet" href="{sheet}">', f"<style>{style}</style>")
# The page's modules in one module script, the room's with them: a page from disk may not import
# another file.
entry = re.fullmatch(r'<script type="module" src="([\w.-]+)"></script>\n',
                     re.search(r'<script type="module".*\n', page)[0])[1]
page = replace_once(page, f'<script type="module" src="{entry}"></script>\n', "")
source = modules.joined(scripts, entry, with_later=True)


def words_of(path):  # a language's words as a JSON text, where no "<" can end the element
    text = json.dumps(gzip.decompress(path.read_bytes()).decode("utf-8")).replace("<", "\\u003c")
    return f'<script type="application/json" id="words-{path.name.removesuffix(".lang.gz")}">{text}</script>\n'


# Every language's words, where the page looks for them before it would fetch their file.
words = "".join(map(words_of, sorted(site.glob("*.lang.gz"))))
page = replace_once(page, "</body>", words + inline_script(source) + "\n</body>")
# Its own files are now inside it: what it may load is what it holds.
page = replace_once(page, SITE_POLICY, SINGLE_FILE_POLICY)
output.write_text(page)
