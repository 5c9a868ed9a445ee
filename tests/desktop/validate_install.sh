#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix, checks what a desktop reads there, then runs the
# README's uninstall word for word, which must leave the prefix empty.
# Usage: validate_install.sh SOURCE_DIR BUILD_DIR APP_ID
set -euo pipefail
source_dir=$1 build_dir=$2 app_id=$3
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
prefix=$(mktemp -d -p "$work")
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

icons=$prefix/share/icons/hicolor
check "seven PNG icons, each of the size its folder names" test 7 -eq \
    "$(cd "$icons" && file -- */apps/"$app_id".png | grep -c '^\([0-9]*\)x\1/.*: *PNG image data, \1 x \1,')"
check "a scalable icon" test -f "$icons/scalable/apps/$app_id.svg"
desktop=$prefix/share/applications/$app_id.desktop
check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli: valid metadata, naming the entry" appstreamcli validate-tree --no-net --strict "$prefix"
check "the entry's Exec names the installed program" test -x "$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")"
check "the entry's Icon is $app_id" grep -qx "Icon=$app_id" "$desktop"
check "the program has no library search path" test -z "$(readelf -d "$prefix/bin/vorantis" | grep PATH)"

uninstall=$(sed -n 's/^ *sudo \(.*install_manifest\.txt\).*# uninstall.*/\1/p' "$source_dir/README.md")
ln -s "$(realpath "$build_dir")" "$work/build"
check "the README's uninstall ($uninstall) runs" bash -c "cd '$work' && $uninstall"
check "the uninstall leaves the prefix empty" test -z "$(ls -A "$prefix")"
report_checks
