#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes worksheets from the command line with no display, as a teacher may, and reads them back
# with pdftotext: the library's exercises in order, the code and the page on every page, the key
# on pages of its own, no exercise split over two pages, and bad arguments refused.
# Usage: worksheet_test.sh PROGRAM WORKSHEET_LINES
set -euo pipefail
program=$1 lines=$2
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8 XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# pages FILE: each page's text in $work/page.N, and the number of pages.
pages() {
    local count
    count=$(pdfinfo "$1" | awk '/^Pages:/ { print $2 }')
    for ((page = 1; page <= count; page++)); do
        pdftotext -layout -f $page -l $page "$1" - | tr -s ' ' >"$work/page.$page"
    done
    echo "$count"
}

# pages_holding LINE: the pages on which the line stands whole, in order.
pages_holding() { grep -lwF -- "$1" "$work"/page.* | sed 's/.*page\.//' | sort -n; }

# holds PAGES KIND CODE: every page says the code and its number; each line of KIND (E: exercise,
# K: answer) is on one page only, whole, and they come in order, the answers after the exercises.
holds() {
    local count=$1 kind=$2 code=$3 last=0 page line
    for ((page = 1; page <= count; page++)); do
        grep -qF "$(sed -n 's/^S //p' "$work/expected")" "$work/page.$page" || return 1
        grep -qF "$(sed -n "s/^P //; s/111/$page/; s/999/$count/p" "$work/expected")" "$work/page.$page" || return 1
    done
    while read -r line; do
        page=$(pages_holding "$line")
        [ "$(wc -w <<<"$page")" -eq 1 ] && [ "$page" -ge "$last" ] || { echo "$line: on pages $page" >&2 && return 1; }
        [ "$(grep -cwF -- "$line" "$work/page.$page")" -eq 1 ] || return 1
        last=$page
    done < <(sed -n "s/^$kind //p" "$work/expected")
    echo "$last"
}

# at_points POINTS FILE: the first exercise's number stands as tall as text of that size.
at_points() {
    local height
    height=$(pdftotext -f 1 -l 1 -bbox "$2" - | awk -F'"' '/>1\.</ { print $8 - $4; exit }')
    awk -v h="$height" -v p="$1" 'BEGIN { exit !(h > p * 1.05 && h < p * 1.2) }'
}

# A sheet: the exercises on the first pages; the key after them, from a page of its own.
while IFS='|' read -r what system settings speaks code count options paper points; do
    rm -rf "$XDG_CONFIG_HOME" "$work"/page.* && mkdir -p "$XDG_CONFIG_HOME/vorantis"
    [ -z "$settings" ] || printf '[view]\n%s\n' "$settings" >"$XDG_CONFIG_HOME/vorantis/vorantis.conf"
    check "$what: written, nothing said" \
        test -z "$(LANG=$system "$program" --worksheet "$code" --count "$count" $options --output "$work/s.pdf" 2>&1)"
    "$lines" "$speaks" "$code" "$count" >"$work/expected"
    pages=$(pages "$work/s.pdf")
    check "$what: on $paper paper" grep -q "^Page size:.*($paper)" <(pdfinfo "$work/s.pdf")
    check "$what: at $points points" at_points "$points" "$work/s.pdf"
    check "$what: $count exercises in order, the code and the page on every page" holds "$pages" E "$code"
    last_exercise=$(holds "$pages" E "$code" || echo 0)
    first_answer=$(pages_holding "$(sed -n 's/^K //p' "$work/expected" | head -1)" | head -1 || true)
    if [[ $options == *--no-key* ]]; then
        check "$what: no key" test "$pages" -eq "$last_exercise" -a -z "$(grep -l '^Answers' "$work"/page.*)"
    else
        check "$what: the key in order, from a page after the exercises'" \
            test "$(holds "$pages" K "$code" || echo 0)" -gt 0 -a "${first_answer:-0}" -gt "$last_exercise"
    fi
done <<'EOF_ROWS'
English, 20 with the key|en_US.UTF-8||en|FA3-4821|20||letter|12
English, 40 at 18 points on letter|en_GB.UTF-8||en|FA3-4821|40|--size 18 --paper LETTER|letter|18
English, no key|en_GB.UTF-8||en|WD2-17|10|--no-key --paper a4|A4|12
German from the system, decimals|de_DE.UTF-8||de|DM2-31|20|--size 14|A4|14
German chosen in the View menu, over the system's English|en_GB.UTF-8|language=de|de|DA3-5|12||A4|12
EOF_ROWS
check "German: decimal commas" grep -q '[0-9],[0-9]' "$work/page.1"
check "two columns where the exercises leave room: 1 and 2 on one line" \
    grep -q "^ *1\. .* 2\. " <(LANG=C "$program" --worksheet FA3-4821 --output "$work/s.pdf" && pdftotext -layout "$work/s.pdf" -)

# Bad arguments, in English: one line that says why, the status, and no file.
rm -rf "$XDG_CONFIG_HOME"
while IFS='|' read -r what status pattern arguments; do
    rm -f "$work/bad.pdf"
    status_was=0
    "$program" $arguments --output "$work/bad.pdf" </dev/null >"$work/out" 2>"$work/err" || status_was=$?
    check "$what: status $status, one line that says why, nothing written" \
        test "$status_was" -eq "$status" -a "$(wc -l <"$work/err")" -eq 1 -a ! -e "$work/bad.pdf" -a ! -s "$work/out"
    check "$what: the line names it" grep -qE "^vorantis: .*$pattern" "$work/err"
done <<'EOF_ROWS'
an unknown topic|2|XY|--worksheet XY1-1
a level the topic has not|2|FA9-1|--worksheet FA9-1
9 exercises|2|"9"|--worksheet FA1-1 --count 9
41 exercises|2|"41"|--worksheet FA1-1 --count 41
a count that is no number|2|"ten"|--worksheet FA1-1 --count ten
13 points|2|"13"|--worksheet FA1-1 --size 13
A5|2|"a5"|--worksheet FA1-1 --paper a5
EOF_ROWS
status_was=0
"$program" --worksheet FA1-1 >"$work/out" 2>"$work/err" </dev/null || status_was=$?
check "no --output: status 2, one line that asks for it" test "$status_was" -eq 2 -a "$(grep -c -- '--output' "$work/err")" -eq 1
status_was=0
"$program" --worksheet FA1-1 --output "$work/none/s.pdf" >"$work/out" 2>"$work/err" </dev/null || status_was=$?
check "a folder that is not there: status 1, one line that names the file, nothing written" \
    test "$status_was" -eq 1 -a "$(grep -c "^vorantis: .*$work/none/s.pdf" "$work/err")" -eq 1 -a ! -e "$work/none"
report_checks
