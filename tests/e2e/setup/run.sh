#!/usr/bin/env bash
# Runs the setup's end-to-end cases: each suite in a fresh Wine prefix of its
# own (one per Windows release class; its cases run in order, each going on
# from what the one before left), with the stand-in schtasks.exe in the
# prefix's system folder. Ends with "setup e2e: N passed, N failed".
# Usage: tests/e2e/setup/run.sh BUILD_DIR [CASE_FILTER ...]
set -uo pipefail
build=$(realpath "$1")
shift
here=$(dirname "$(realpath "$0")")
passed=0
failed=0
# A suite runs when no filter is given or one may pick its cases.
wanted() {
    [ $# -eq 1 ] && return 0
    local suite=$1 filter
    shift
    for filter in "$@"; do
        [[ "$suite." == *"$filter"* || "$filter" == "$suite."* || "$filter" != Setup* ]] && return 0
    done
    return 1
}
for suite in SetupXp SetupWin10 SetupWin98; do
    wanted "$suite" "$@" || continue
    source "$here/../../../scripts/wine_env.sh" "$build" "$suite"
    # This machine has no sound card; keep the audio driver from trying one.
    # Wine's menu builder reads a new shortcut's program for its icon while
    # the next case may be removing it; nothing here needs Linux menu entries.
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv=;winemenubuilder.exe=d"
    rm -f "$WINEPREFIX/.keyvane-prefix"
    wine_prefix_ready
    system32="$WINEPREFIX/drive_c/windows/system32"
    cp "$build/setup_stubs/schtasks.exe" "$system32/schtasks.exe"
    rm -f "$system32/schtasks_runs.txt" "$system32/schtasks_task.xml"
    wine reg add 'HKCU\Software\Wine\DllOverrides' /v schtasks.exe /d native /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    out=$(mktemp)
    KEYVANE_E2E_SUITE=$suite xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/setup_e2e.exe" "$@" |
        tr -d '\r' | tee "$out"
    wineserver -k 2>/dev/null || true
    read -r p f < <(sed -n 's/^e2e: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' "$out")
    rm -f "$out"
    passed=$((passed + ${p:-0}))
    failed=$((failed + ${f:-1}))
    rm -rf "$WINEPREFIX"
done
for shot in "$build"/screenshots/setup_*.bmp "$build"/screenshots/uninstall_*.bmp; do
    [ -e "$shot" ] || continue
    convert "$shot" "${shot%.bmp}.png" && rm "$shot" && echo "screenshot: ${shot%.bmp}.png"
done
echo "setup e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
