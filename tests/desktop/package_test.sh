#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree (cpack -G DEB) and checks what Debian's tools
# and apt see of it. Usage: package_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || cat "$work/cpack.log"
deb=$(find "$work" -maxdepth 1 -name '*.deb')

check "lintian reports no error and no warning" lintian --fail-on error,warning "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 'libstdc\+\+6'; do
    check "it depends on $package (or its t64 form)" grep -Eq "(^|, )$package(t64)?( |,|$)" <<<"$depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$')
ours='^\./usr/(bin/vorantis|share/(applications|metainfo|icons/hicolor|man/man1|doc/vorantis)/)'
check "it holds only the program, its desktop files and documents" test -z "$(grep -Ev "$ours" <<<"$files")"
report_checks
