#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build and starts it from its menu entry (gio launch runs the Exec line) on a
# private X server, as a desktop does. Exit status 77: no X server could be started.
# Usage: launch_test.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1 app_id=$2
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
# wait_for SECONDS COMMAND...: polls until the command succeeds; fails after SECONDS.
wait_for() { local end=$((SECONDS+$1)); shift; until "$@"; do ((SECONDS < end)) || return; sleep 0.2; done; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$! program=
trap 'kill $program $server 2>/dev/null || true; rm -rf "$work"' EXIT
wait_for 15 test -s "$work/display" || { echo "SKIPPED: no X server" && cat "$work/xvfb.log" && exit 77; }
DISPLAY=:$(cat "$work/display") && export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
desktop=$work/prefix/share/applications/$app_id.desktop
PATH=$work/prefix/bin:$PATH timeout 20 gio launch "$desktop"
wait_for 20 xwininfo -name Vorantis >/dev/null 2>&1 || { echo "FAILED: no window named Vorantis" && exit 1; }
window=$(xwininfo -name Vorantis | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
program=$(xprop -id "$window" _NET_WM_PID | sed -n 's/.* = //p')

check "the window belongs to the installed program" \
    test "$(readlink -f "/proc/$program/exe")" = "$(readlink -f "$work/prefix/bin/vorantis")"
check "WM_CLASS ends in the entry's StartupWMClass" test "$(xprop -id "$window" WM_CLASS | sed 's/.* = //')" \
    = "\"vorantis\", \"$(sed -n 's/^StartupWMClass=//p' "$desktop")\""
has_icon() { xprop -notype -id "$window" _NET_WM_ICON | grep -q 'Icon (128 x 128)'; }
check "the window carries the icon (which can follow the name by a moment)" wait_for 10 has_icon
report_checks
