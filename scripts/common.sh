# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the set-up scripts: install what is missing, then configure and build.

set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Installs the Debian packages named that are not installed yet; a second run asks
# nothing of the package manager.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# gettext merges the translations into the menu entry and the AppStream data, python3 compiles
# the catalogues, and Qt's own dialogs take their words from qt6-translations-l10n. Read Aloud
# speaks through Qt's text to speech and the speech dispatcher, with espeak-ng's voices of all
# five languages; Qt's text to speech includes the headers of Qt's QML integration, which come
# with qt6-declarative-dev.
build_packages=(cmake make g++ qt6-base-dev fonts-liberation2 gettext python3 qt6-translations-l10n
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)
fuzz_packages=(clang libclang-rt-14-dev)
# The fonts are cut to the program's characters and shipped as WOFF2 (fonttools, brotli); the
# installed app's larger icons are drawn from the scalable one (rsvg-convert). What a first visit
# downloads is made small: the scripts by terser, the module and the icons by zopfli's deflate.
web_packages=(cmake make emscripten node-acorn python3 fonts-liberation2 python3-fonttools python3-brotli
    librsvg2-bin terser zopfli)
# A printed worksheet, the window's and the page's, is read back as text by poppler-utils' pdftotext.
test_packages=(googletest libgtest-dev locales clang-format
    xvfb xauth x11-utils libglib2.0-bin dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    desktop-file-utils appstream dpkg-dev file lintian man-db
    chromium chromium-driver python3-selenium poppler-utils)

# configure_and_build DIR [cmake options...]
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
