#!/usr/bin/env bash
# Installs the build into a fresh prefix and starts the program as a desktop does, from the
# installed menu entry (gio launch runs its Exec line), on a private X server. The window
# must come up with the entry's StartupWMClass, so the desktop matches it to the entry, and
# with the program's icon. Exit status 77: skipped, because no X server could be started.
# Usage: launch_test.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2

work=$(mktemp -d)
server=
program=
cleanup() {
    if [ -n "$program" ]; then kill "$program" 2>/dev/null || true; fi
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

if ! command -v Xvfb >/dev/null; then
    echo "SKIPPED: no X server could be started: Xvfb is not installed"
    exit 77
fi
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
if ! wait_for 15 test -s "$work/display"; then
    echo "SKIPPED: no X server could be started:"
    cat "$work/xvfb.log"
    exit 77
fi
DISPLAY=:$(cat "$work/display")
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/$app_id.desktop
PATH=$prefix/bin:$PATH timeout 20 gio launch "$desktop"

window_id() { xwininfo -name Vorantis 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p'; }
window_shown() { [ -n "$(window_id)" ]; }
if ! wait_for 20 window_shown; then
    echo "FAILED: no window named Vorantis appeared after launching the menu entry"
    echo "0 passed, 1 failed"
    exit 1
fi
window=$(window_id)
program=$(xprop -id "$window" _NET_WM_PID | sed -n 's/.* = //p')

failures=0
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.* = //p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
if [ "$wm_class" != "\"vorantis\", \"$startup_class\"" ]; then
    echo "FAILED: WM_CLASS $wm_class does not end in the entry's StartupWMClass $startup_class"
    failures=$((failures + 1))
fi
# The icon property can follow the window's name by a moment.
has_icon() { xprop -notype -id "$window" _NET_WM_ICON | grep -q 'Icon (128 x 128)'; }
if ! wait_for 10 has_icon; then
    echo "FAILED: the window does not carry the program's icon"
    failures=$((failures + 1))
fi
if [ "$(readlink -f "/proc/$program/exe")" != "$(readlink -f "$prefix/bin/vorantis")" ]; then
    echo "FAILED: the window belongs to $(readlink -f "/proc/$program/exe"), not the installed program"
    failures=$((failures + 1))
fi
echo "$((4 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
