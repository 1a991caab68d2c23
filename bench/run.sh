#!/usr/bin/env bash
# Key-log-to-dispatch latency, with and without the poll thread's early
# wake-up: builds keyvane.exe and, in build/bench-no-wakeup, the same program
# with the build option KEYVANE_KEY_LOG_WAKEUP=OFF, then runs keyvane_bench.exe
# under Wine on both. Prints the median and the 99th percentile of each.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_tools.sh
source scripts/build.sh
ensure_tools
build_windows
# The pictures are the same for both builds: take the first build's.
cmake -S . -B build/bench-no-wakeup -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" \
    -DKEYVANE_KEY_LOG_WAKEUP=OFF -DKEYVANE_PICTURES_FROM="$repo_root/build/windows/pictures" >/dev/null
cmake --build build/bench-no-wakeup --target keyvane -j2

bench_dir="$repo_root/build/bench"
mkdir -p "$bench_dir"
cp build/windows/keyvane.exe build/windows/keyvane_bench.exe "$bench_dir/"
cp build/bench-no-wakeup/keyvane.exe "$bench_dir/keyvane_no_wakeup.exe"

source scripts/wine_env.sh "$repo_root/build/windows" bench
wine_prefix_ready
# This machine has no sound card; keep the audio driver from trying one.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv="
# A desktop left from an earlier run would be reused and hide every window.
wineserver -k 2>/dev/null || true
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$bench_dir/keyvane_bench.exe" | tr -d '\r' || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
