#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop reads from it: every file
# in its place, the desktop entry and the AppStream metadata valid, and the entry, metadata,
# icon and binary naming one another.
# Usage: validate_install.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
icons=$prefix/share/icons/hicolor
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

for file in "$desktop" "$metainfo" "$icons/scalable/apps/$app_id.svg"; do
    check "installed: ${file#"$prefix"/}" test -f "$file"
done
for size in 16 24 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/$app_id.png
    check "a $size x $size icon at ${png#"$prefix"/}" \
        grep -q "PNG image data, $size x $size," <(file -b "$png" 2>&1)
done

check "desktop-file-validate" desktop-file-validate "$desktop"
check "appstreamcli validate" appstreamcli validate --no-net --strict "$metainfo"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net --strict "$prefix"

# What the menu runs and shows must be what was installed.
key() { sed -n "s/^$1=//p" "$desktop" 2>/dev/null || true; }
program=$(key Exec)
check "Exec=$program names an installed program" test -x "$prefix/bin/${program%% *}"
check "Icon=$(key Icon) is $app_id" test "$(key Icon)" = "$app_id"
check "the metadata launches $app_id.desktop" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"

report_checks
