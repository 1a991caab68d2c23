#!/usr/bin/env bash
# Builds the key log fuzz target with clang and runs it for a bounded time,
# starting from the seed inputs; a crash, a broken check or a pass that hangs
# fails it and leaves the input that did it in the build folder.
# Usage: tests/fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath -m "$1")
seconds=$2

cmake -S "$here/../.." -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKEYVANE_SANITIZE=ON >/dev/null
cmake --build "$build" --target key_log_fuzz -j2 >/dev/null
fuzzer="$build/tests/fuzz/key_log_fuzz"
# libFuzzer adds what it finds to its first corpus folder: keep the seeds apart.
mkdir -p "$build/corpus"
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=2 -artifact_prefix="$build/" \
    "$build/corpus" "$here/seeds" >"$build/fuzz.txt" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 40 "$build/fuzz.txt"
    echo "fuzz: key log pass failed"
    exit 1
fi
grep -E '^Done [0-9]+ runs' "$build/fuzz.txt" || true
echo "fuzz: key log pass held for ${seconds}s"
