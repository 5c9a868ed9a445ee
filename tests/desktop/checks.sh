# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the desktop test scripts: `check WHAT COMMAND...` runs one check; `report_checks`
# prints "N passed, N failed" and fails if any check did; `work` is a folder removed on exit.
checks=0 failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {
    local what=$1
    shift
    checks=$((checks + 1))
    "$@" || { echo "FAILED: $what"; failures=$((failures + 1)); }
}
report_checks() { echo "$((checks - failures)) passed, $failures failed" && [ "$failures" -eq 0 ]; }
