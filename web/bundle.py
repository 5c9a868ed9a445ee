# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the single-file page: the site's index.html with its style sheet, font, module
and script inside it, so that it works opened from disk with nothing beside it.

    bundle.py SITE_DIR SINGLE_FILE_MODULE_JS OUTPUT_HTML
"""
import base64
import pathlib
import re
import sys

SITE_POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"
SINGLE_FILE_POLICY = (
    "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval'; "
    "style-src 'unsafe-inline'; font-src data:; connect-src data:; img-src data:"
)

site, module, output = (pathlib.Path(arg) for arg in sys.argv[1:])


def replace_once(text, old, new):
    if text.count(old) != 1:
        sys.exit(f"bundle.py: expected one {old!r} in the page")
    return text.replace(old, new)


def inline_script(source):
    if "</script" in source:
        sys.exit("bundle.py: a script would end the page's <script> element early")
    return f"<script>{source}</script>"


def font_data(match):
    font = base64.b64encode((site / match.group(1)).read_bytes()).decode()
    return f"url(data:font/ttf;base64,{font})"


page = (site / "index.html").read_text()
style = re.sub(r"url\(([\w-]+\.ttf)\)", font_data, (site / "style.css").read_text())
icon = base64.b64encode((site / "vorantis.png").read_bytes()).decode()
page = replace_once(page, 'href="vorantis.png"', f'href="data:image/png;base64,{icon}"')
page = replace_once(page, '<link rel="stylesheet" href="style.css">', f"<style>{style}</style>")
page = replace_once(page, '<link rel="preload" href="vorantis.wasm" as="fetch" type="application/wasm" crossorigin>\n', "")
# A script inside the page cannot wait for the page as a deferred one does: it goes last.
page = replace_once(page, '<script src="vorantis.js" defer></script>\n', "")
page = replace_once(page, '<script src="page.js" defer></script>\n', "")
scripts = inline_script(module.read_text()) + inline_script((site / "page.js").read_text())
page = replace_once(page, "</body>", scripts + "\n</body>")
# Its own files are now inside it: what it may load is what it holds.
page = replace_once(page, SITE_POLICY, SINGLE_FILE_POLICY)
output.write_text(page)
