#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program from a terminal with no display, as a user may, and reads its manual page.
# Usage: command_line_test.sh PROGRAM VERSION MANUAL_PAGE
set -euo pipefail
program=$1 version=$2 manual_page=$3
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# answers STATUS OUT_PATTERN ERR_PATTERN [NAME=VALUE...] ARGUMENT...: the program, run with those
# variables and its output to $to if set, ends with STATUS (124: still running after 5 s), and
# "<lines> <first line>" of its output matches OUT_PATTERN and "<lines> <text>" of its errors ERR_PATTERN.
answers() {
    local want=$1 out_pattern=$2 err_pattern=$3 status=0 variables=()
    shift 3
    while [[ ${1-} == [A-Z_]*=* ]]; do variables+=("$1") && shift; done
    timeout 5 env "${variables[@]}" "$program" "$@" </dev/null >"${to:-$work/out}" 2>"$work/err" || status=$?
    [ "$status" -eq "$want" ] && [[ "$(wc -l <"$work/out") $(head -1 "$work/out")" =~ $out_pattern ]] &&
        [[ "$(wc -l <"$work/err") $(cat "$work/err")" =~ $err_pattern ]]
}
check "--version" answers 0 "^1 vorantis $version\$" '^0 $' --version
check "--help" answers 0 '^[0-9]+ Usage: vorantis \[options\]$' '^0 $' --help
grep -o -- '--[a-z]*' "$work/out" >"$work/options" || true
while IFS='|' read -r locale usage; do # Qt's own words too, from its catalogue
    check "--help from a $locale terminal" \
        answers 0 "^[0-9]+ $usage\$" '^0 $' LC_ALL= LC_MESSAGES= LANGUAGE= LANG="$locale" --help
done <<'EOF'
de_DE.UTF-8|Aufruf: vorantis \[Optionen\]
fr_FR.UTF-8|Utilisation : vorantis \[options\]
es_ES.UTF-8|Uso: vorantis \[opciones\]
nl_NL.UTF-8|Gebruik: vorantis \[opties\]
EOF
for option in help version; do
    to=/dev/full check "--$option to a full disk: status 1, one line that says so" \
        answers 1 '' "^1 vorantis: cannot write the $option: No space left on device\$" --$option
done
check "--bogus: status 2, one line that names it" answers 2 '^0 $' "^1 vorantis: .*'bogus'" --bogus
check "no display: status 1, one line that says how to get one" answers 1 '^0 $' '^1 .*xvfb-run vorantis'

# A display no server answers on, however it is named: one line that names it, never Qt's abort.
x=99
while [ -e /tmp/.X11-unix/X$x ] || [ -e /tmp/.X$x-lock ]; do x=$((x + 1)); done
while IFS='|' read -r what display arguments; do
    check "$what: status 1, one line that names $display" \
        answers 1 '^0 $' "^1 vorantis: cannot open the [A-Za-z ]*display $display; .*xvfb-run vorantis\$" $arguments
done <<EOF
DISPLAY|:$x|DISPLAY=:$x
-display|:$x|-display :$x
-platform xcb|:$x|DISPLAY=:$x -platform xcb
QT_QPA_PLATFORM=xcb|:$x|DISPLAY=:$x QT_QPA_PLATFORM=xcb
Wayland|none$x|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=none$x
EOF
check "Qt's options reach Qt: the window opens offscreen and runs" \
    answers 124 '^0 $' '' -platform offscreen -style fusion -reverse

check "man -l renders the manual page without warnings" \
    test -z "$(LC_ALL=C man --warnings -l "$manual_page" 2>&1 >/dev/null)"
LC_ALL=C man -l "$manual_page" | grep -o -- '--[a-z]*' | sort -u >"$work/documented"
check "the manual page names every option --help lists" \
    test -s "$work/options" -a -z "$(sort -u "$work/options" | comm -23 - "$work/documented")"
report_checks
