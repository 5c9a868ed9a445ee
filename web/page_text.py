# SPDX-License-Identifier: GPL-3.0-or-later
"""What the scripts that rewrite the site's index.html share: the policy the page is written
with, and the one edit they make, which stops the build where the page does not hold its text
exactly once, so that a change to the page cannot leave an edit undone in silence."""
import pathlib
import sys

SITE_POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"


def replace_once(text, old, new):
    if text.count(old) != 1:
        sys.exit(f"{pathlib.Path(sys.argv[0]).name}: expected one {old!r} in the page")
    return text.replace(old, new)
