# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the site's service worker from its template: the list of the site's files, and a
version made from their contents, so that every build that changes a file has a cache of its
own.

    offline.py SITE_DIR TEMPLATE FILE...   (the site's files but index.html, by name)
"""
import hashlib
import json
import pathlib
import sys

site, template, files = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sorted(sys.argv[3:])
worker = site / "service-worker.js"
digest = hashlib.sha256()
for name in ["index.html", *files]:
    digest.update(name.encode() + b"\0" + (site / name).read_bytes())
text = template.read_text().replace("@VERSION@", digest.hexdigest()[:16])
worker.write_text(text.replace("@FILES@", json.dumps(["./", *files])))
