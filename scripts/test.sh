#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${build_packages[@]}" "${test_packages[@]}"
scripts/web.sh --build-only
# The accessibility checker the page test runs in the browser, from the npm registry;
# --no-save writes no package files, so no download address is kept anywhere.
axe_version=4.14.1
if ! grep -qs "\"version\": \"$axe_version\"" build-web/npm/node_modules/axe-core/package.json; then
    command -v npm >/dev/null || ensure_packages npm
    npm install --no-save --no-audit --no-fund --prefix build-web/npm "axe-core@$axe_version"
fi
configure_and_build build -DBUILD_TESTING=ON
# The sources as .clang-format writes them: a deviation fails the checks.
cmake -DSOURCE_DIR=. -DCLANG_FORMAT=clang-format -P cmake/check_format.cmake
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
scripts/hardening.sh
