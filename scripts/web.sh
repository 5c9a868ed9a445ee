#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the page into build-web/site/ (and the single file build-web/vorantis.html), then
# serves the site on the loopback address until stopped. --build-only stops after the build.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${web_packages[@]}"
# The module's optimizer runs on node and needs Debian's node modules, which a node from
# elsewhere first on PATH does not look in.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web -j "$(nproc)"

[ "${1:-}" = --build-only ] && exit 0
echo "Vorantis in a browser: http://127.0.0.1:8080/ (Ctrl+C stops)"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
