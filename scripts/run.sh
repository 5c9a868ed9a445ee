#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and opens the window.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    echo "Run this from a desktop session, or under a virtual display: xvfb-run scripts/run.sh" >&2
    exit 1
fi

ensure_packages "${build_packages[@]}"
configure_and_build build -DBUILD_TESTING=OFF
exec build/app/vorantis
