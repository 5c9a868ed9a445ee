#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening run: each fuzz target for a bounded time on its committed corpus, then the
# whole test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${build_packages[@]}" "${test_packages[@]}" "${fuzz_packages[@]}"

# fuzz TARGET SECONDS MAX_LEN: new inputs go to a scratch directory, never into the corpus.
fuzz() {
    local target=$1 seconds=$2 max_len=$3
    local scratch log=build-fuzz/fuzz-$1.log
    scratch=$(mktemp -d)
    if ! "build-fuzz/tests/fuzz/${target}_fuzzer" -dict="tests/fuzz/$target.dict" \
        -max_len="$max_len" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix=build-fuzz/ "$scratch" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz $target: finding kept in build-fuzz/ (log: $log)" >&2
        rm -rf "$scratch"
        return 1
    fi
    rm -rf "$scratch"
    echo "fuzz $target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log"), no finding"
}

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVORANTIS_GUI=OFF -DVORANTIS_SANITIZE=ON -DVORANTIS_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target steps_fuzzer convert_fuzzer
fuzz steps 40 512
fuzz convert 20 64

configure_and_build build-asan -DBUILD_TESTING=ON -DVORANTIS_SANITIZE=ON
# A leak in a system library is told apart by where it was made: that needs the whole stack
# through libraries built without frame pointers, which only the slow unwinder reads. The
# page's tests drive the WebAssembly build, which the sanitizers do not reach.
ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp" \
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -E '^web_'
