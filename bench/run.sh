#!/usr/bin/env bash
# The benchmarks, under Wine: the hook road's and the key log road's latency
# to the dispatcher (the latter with and without the poll thread's early
# wake-up, the build option KEYVANE_KEY_LOG_WAKEUP=OFF built in
# build/bench-no-wakeup), the start-up time, a volume key on Windows 10 (with
# the stand-in audio endpoint), and the idle cost beside a tray program that
# does nothing (tray_floor.exe). Prints each figure as it comes,
# then all of them as markdown tables. Extra arguments pick cases by name
# (bench/run.sh IdleCost).
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
cp build/windows/keyvane.exe build/windows/keyvane_bench.exe build/windows/tray_floor.exe \
    build/windows/keyvane_audio_stand_in.dll "$bench_dir/"
cp build/bench-no-wakeup/keyvane.exe "$bench_dir/keyvane_no_wakeup.exe"
# The idle benchmark's driver package: the stand-in installer, away or cancelling its wizard.
mkdir -p "$bench_dir/Driver"
cp build/windows/install_stubs/DPInst.exe "$bench_dir/Driver/DPInst.exe"

source scripts/wine_env.sh "$repo_root/build/windows" bench
wine_prefix_ready
# This machine has no sound card; keep the audio driver from trying one.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv="
# A desktop left from an earlier run would be reused and hide every window.
wineserver -k 2>/dev/null || true
# The prefix's wineserver is started here, so that the idle benchmark can
# read its CPU time from /proc (through drive Z:, the Linux root, where it
# also reads the programs' memory; no Wine
# program may start before the X server, or Wine's desktop would come up without it).
wineserver -f -p 2>/dev/null &
server_pid=$!
if [ "$(readlink "$WINEPREFIX/dosdevices/z:")" = / ]; then
    export KEYVANE_BENCH_WINESERVER_STAT="Z:\\proc\\$server_pid\\stat"
    export KEYVANE_BENCH_CLOCK_TICKS=$(getconf CLK_TCK)
    export KEYVANE_BENCH_PROC="Z:\\proc"
fi

output=$(mktemp)
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$bench_dir/keyvane_bench.exe" "$@" | stdbuf -oL tr -d '\r' | tee "$output" ||
    status=$?
wineserver -k 2>/dev/null || true
wait "$server_pid" || true

echo
echo "Machine: Debian $(cat /etc/debian_version), $(nproc) cores ($(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)), $(wine --version 2>/dev/null), $(date -u +%Y-%m-%d)"
if grep -q '^latency | ' "$output"; then
    echo
    echo "| figure | median | 99th percentile | samples |"
    echo "|---|---|---|---|"
    sed -n 's/^latency //p' "$output"
fi
if grep -q '^idle | ' "$output"; then
    echo
    echo "| idle figure | keyvane.exe | tray floor | keyvane/floor |"
    echo "|---|---|---|---|"
    sed -n 's/^idle //p' "$output"
fi
rm -f "$output"
exit "$status"
