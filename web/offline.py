# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the site's service worker from its template: the list of the files it keeps from the
start, and a version made from the contents of every file of the site, so that every build that
changes a file (a language's words too, which the worker keeps only once asked for) has a cache
of its own.

    offline.py SITE_DIR TEMPLATE FILE... --later FILE...
    (the files kept from the start but index.html, by name; then those kept once a visit fetched them)
"""
import hashlib
import json
import pathlib
import sys

site, template = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
at_start, _, later = " ".join(sys.argv[3:]).partition(" --later ")
files, later = sorted(at_start.split()), sorted(later.split())
worker = site / "service-worker.js"
digest = hashlib.sha256()
for path in sorted(site.iterdir()):
    if path != worker:
        digest.update(path.name.encode() + b"\0" + path.read_bytes())
text = template.read_text().replace("@VERSION@", digest.hexdigest()[:16])
worker.write_text(text.replace("@FILES@", json.dumps(["./", *files])).replace("@LATER@", json.dumps(later)))
