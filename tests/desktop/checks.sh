# Counting checks for the desktop test scripts: `check WHAT COMMAND...` runs one check,
# `report_checks` prints the closing "N passed, N failed" line and fails if any check did.

checks=0
failures=0

check() {
    local what=$1
    shift
    checks=$((checks + 1))
    if ! "$@"; then
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

report_checks() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
}
