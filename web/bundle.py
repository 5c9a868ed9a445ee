# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the single-file page: the site's index.html with its style sheets, fonts, module
and scripts inside it, so that it works opened from disk with nothing beside it. A page from
disk has no service worker and is not installed: what serves those goes.

    bundle.py SITE_DIR OUTPUT_HTML
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

site, output = (pathlib.Path(arg) for arg in sys.argv[1:])


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
    return f"url(data:font/woff2;base64,{font})"


page = (site / "index.html").read_text()
for tag in re.findall(r'<link rel="(?:manifest|apple-touch-icon)"[^>]*>\n', page):
    page = replace_once(page, tag, "")
# The compressed module, where the page's script looks for it.
wasm = base64.b64encode((site / "vorantis.wasm.gz").read_bytes()).decode()
page = replace_once(page, '<link rel="preload" id="module" href="vorantis.wasm.gz" as="fetch" crossorigin>',
                    f'<meta id="module" content="data:application/gzip;base64,{wasm}">')
icon = base64.b64encode((site / "vorantis.png").read_bytes()).decode()
page = replace_once(page, 'href="vorantis.png"', f'href="data:image/png;base64,{icon}"')
for sheet in ("fonts.css", "style.css"):
    style = re.sub(r"url\(([\w-]+\.woff2)\)", font_data, (site / sheet).read_text())
    page = replace_once(page, f'<link rel="stylesheet" href="{sheet}">', f"<style>{style}</style>")
# A script inside the page cannot wait for the page as a deferred one does: they go last.
scripts = []
for name in re.findall(r'<script src="([\w.-]+)" defer></script>', page):
    page = replace_once(page, f'<script src="{name}" defer></script>\n', "")
    scripts.append((site / name).read_text())
page = replace_once(page, "</body>", "".join(map(inline_script, scripts)) + "\n</body>")
# Its own files are now inside it: what it may load is what it holds.
page = replace_once(page, SITE_POLICY, SINGLE_FILE_POLICY)
output.write_text(page)
