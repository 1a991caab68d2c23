#!/usr/bin/env bash
# Runs the end-to-end test program under Wine, in a Wine virtual desktop on a
# private X server, with the build's own Wine prefix (made once per build).
# Usage: tests/e2e/run.sh BUILD_DIR [CASE_FILTER ...]
set -euo pipefail
build=$(realpath "$1")
shift
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/wine_env.sh" "$build"

wine_prefix_ready
# This machine has no sound card; keep the audio driver from trying one.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv="
# A desktop left from an earlier run would be reused and hide every window.
wineserver -k 2>/dev/null || true
# Cases save pictures of the dialogs they show, as BMP; a reviewer gets PNG.
shots="$build/screenshots"
rm -rf "$shots"
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/keyvane_e2e.exe" "$@" || status=$?
wineserver -k 2>/dev/null || true
for shot in "$shots"/*.bmp; do
    [ -e "$shot" ] || continue
    convert "$shot" "${shot%.bmp}.png" && rm "$shot" && echo "screenshot: ${shot%.bmp}.png"
done
exit "$status"
