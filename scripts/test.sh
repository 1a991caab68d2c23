#!/usr/bin/env bash
# Runs every test: builds both builds, runs the native unit tests (ctest, under
# the sanitizers), the key log fuzz target for a bounded time, and the
# end-to-end tests under Wine, and ends with one
# summary line "N passed, N failed". Extra arguments filter the e2e cases.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_tools.sh
source scripts/build.sh
ensure_tools

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

# Adds the counts of a run's summary line ("<name>: N passed, N failed") to
# e2e_passed and e2e_failed; a run without one counts as a failure.
add_e2e_counts() {
    local p f
    read -r p f < <(sed -n "s/^$2: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p" "$1" | tail -n 1)
    e2e_passed=$((e2e_passed + ${p:-0}))
    e2e_failed=$((e2e_failed + ${f:-1}))
}

echo "== Native build and unit tests"
if ! build_native; then
    echo "native build failed"
    echo "0 passed, 1 failed"
    exit 1
fi
(cd build/native && ctest --output-on-failure -j2) | tee "$log/native.txt"
native_total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log/native.txt" | tail -n 1)
native_failed=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log/native.txt" | tail -n 1)
native_total=${native_total:-0}
native_failed=${native_failed:-1}
# A sheet of every generated picture for a reviewer to look at (not committed),
# and one each of the strips drawn for 150 % and 200 % screens.
for scale in 100 150 200; do
    sheet=build/contact-sheet.png
    [ "$scale" = 100 ] || sheet=build/contact-sheet-$scale.png
    res/pictures/contact_sheet.sh build/native/pictures "$sheet" "$scale" &&
        echo "Contact sheet of the pictures at $scale %: $sheet"
done

echo "== Key log fuzzing (clang, libFuzzer, bounded)"
fuzz_passed=0
fuzz_failed=1
if tests/fuzz/run.sh build/fuzz 25; then
    fuzz_passed=1
    fuzz_failed=0
fi

echo "== Windows build and end-to-end tests under Wine"
e2e_passed=0
e2e_failed=0
if build_windows; then
    # Windows programs end their lines with CR LF.
    tests/e2e/run.sh build/windows "$@" | tr -d '\r' | tee "$log/e2e.txt"
    add_e2e_counts "$log/e2e.txt" e2e
    # Wine without a window manager holds a window's end for two seconds
    # wherever a window manager would have had a part in it.
    if [ $# -eq 0 ]; then
        echo "== The first seconds and Quit again, on Wine's plain desktop"
        KEYVANE_DESKTOP=plain tests/e2e/run.sh build/windows KeyLog.KeysInTheFirstSecondsAfterStartActAtOnce \
            Startup.QuitAfterASessionOfMenusEndsWithinASecond | tr -d '\r' | tee "$log/plain.txt"
        add_e2e_counts "$log/plain.txt" e2e
    fi
    echo "== The setup, end-to-end in fresh Wine prefixes"
    tests/e2e/setup/run.sh build/windows "$@" | tee "$log/setup.txt"
    add_e2e_counts "$log/setup.txt" "setup e2e"
else
    echo "windows build failed"
    e2e_failed=1
fi

passed=$((native_total - native_failed + fuzz_passed + e2e_passed))
failed=$((native_failed + fuzz_failed + e2e_failed))
echo "== Summary: native $((native_total - native_failed))/$native_total, fuzzing $fuzz_passed/1, end-to-end $e2e_passed/$((e2e_passed + e2e_failed))"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
