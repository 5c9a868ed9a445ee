#!/usr/bin/env bash
# Builds the Debian package from the build tree (cpack -G DEB) and checks what apt will see:
# the runtime dependencies a fresh machine needs to start the program, and the files a
# desktop needs, all under /usr and nothing else.
# Usage: package_test.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "0 passed, 1 failed"
    exit 1
fi
deb=$(find "$work" -maxdepth 1 -name '*.deb')

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The Qt libraries the binary links (named with or without the t64 suffix of later
# releases), the platform plugins that open the window, and the face of the captions.
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 libstdc\\+\\+6; do
    check "the package depends on $package" grep -Eq "(^|, )$package(t64)?( |,|$)" <<<"$depends"
done

dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$' | sort >"$work/files"
for file in ./usr/bin/vorantis ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    ./usr/share/icons/hicolor/48x48/apps/$app_id.png; do
    check "the package holds $file" grep -qx "$file" "$work/files"
done
check "the package holds nothing but the program and its desktop files" \
    test -z "$(grep -Ev '^\./usr/(bin/vorantis|share/(applications|metainfo|icons/hicolor)/)' "$work/files")"

report_checks
