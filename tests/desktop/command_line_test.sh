#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program from a terminal with no display, as a user may, and reads its manual page.
# Usage: command_line_test.sh PROGRAM VERSION MANUAL_PAGE
set -euo pipefail
program=$1 version=$2 manual_page=$3
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# answers STATUS OUT_PATTERN ERR_PATTERN ARGUMENT...: the program ends with STATUS (124: still running
# after 5 s), its first output line matches OUT_PATTERN and "<lines> <text>" of its errors ERR_PATTERN.
answers() {
    local want=$1 out_pattern=$2 err_pattern=$3 status=0
    shift 3
    timeout 5 "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq "$want" ] && [[ $(head -1 "$work/out") =~ $out_pattern ]] &&
        [[ "$(wc -l <"$work/err") $(cat "$work/err")" =~ $err_pattern ]]
}
check "--version" answers 0 "^vorantis $version\$" '^0 $' --version
check "--help" answers 0 '^Usage: vorantis \[options\]$' '^0 $' --help
grep -o -- '--[a-z]*' "$work/out" >"$work/options" || true
check "--bogus: status 2, one line that names it" answers 2 '^$' "^1 vorantis: .*'bogus'" --bogus
check "no display: status 1, one line that says how to get one" answers 1 '^$' '^1 .*xvfb-run vorantis'
check "Qt's options reach Qt: the window opens offscreen and runs" \
    answers 124 '^$' '' -platform offscreen -style fusion -reverse

check "man -l renders the manual page without warnings" \
    test -z "$(LC_ALL=C man --warnings -l "$manual_page" 2>&1 >/dev/null)"
LC_ALL=C man -l "$manual_page" | grep -o -- '--[a-z]*' | sort -u >"$work/documented"
check "the manual page names every option --help lists" \
    test -s "$work/options" -a -z "$(sort -u "$work/options" | comm -23 - "$work/documented")"
report_checks
