# SPDX-License-Identifier: GPL-3.0-or-later
"""What the scripts that rewrite the site's index.html share: the policy the page is written
with, the one edit they make, which stops the build where the page does not hold its text
exactly once, so that a change to the page cannot leave an edit undone in silence, and the
fonts put inside a style sheet."""
import base64
import pathlib
import re
import sys

SITE_POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"


def replace_once(text, old, new):
    if text.count(old) != 1:
        sys.exit(f"{pathlib.Path(sys.argv[0]).name}: expected one {old!r} in the page")
    return text.replace(old, new)


def with_fonts_inside(css, site):
    """The style sheet with each WOFF2 font of the site as a data: URL, and the fonts' names."""
    names = re.findall(r"url\(([\w.-]+\.woff2)\)", css)

    def inside(match):
        font = base64.b64encode((site / match.group(1)).read_bytes()).decode()
        return f"url(data:font/woff2;base64,{font})"
    return re.sub(r"url\(([\w.-]+\.woff2)\)", inside, css), names
