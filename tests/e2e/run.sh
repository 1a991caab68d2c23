#!/usr/bin/env bash
# Runs the end-to-end test program under Wine, in a Wine virtual desktop on a
# private X server, with the build's own Wine prefix (made once per build).
# Usage: [E2E_LOGPIXELS=144] tests/e2e/run.sh BUILD_DIR [CASE_FILTER ...]
# E2E_LOGPIXELS runs every program at that many dots per inch (Wine's
# "LogPixels"); the screenshots of such a run end in the scale, as _150,
# unless a case named them for a scale of its own (e.g. about_150).
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
dpi=${E2E_LOGPIXELS:-96}
suffix=""
[ "$dpi" = 96 ] || suffix="_$((dpi * 100 / 96))"
set_logpixels() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}
set_logpixels "$dpi"
# Cases save pictures of the dialogs they show, as BMP; a reviewer gets PNG.
# Only this scale's pictures are made afresh: another scale's stay beside them.
shots="$build/screenshots"
mkdir -p "$shots"
if [ -n "$suffix" ]; then
    find "$shots" -name "*$suffix.png" -delete
else
    find "$shots" -name '*.png' ! -regex '.*_[0-9]+\.png' -delete
fi
find "$shots" -name '*.bmp' -delete
status=0
xvfb-run -a -s "-screen 0 1024x768x24" wine "$build/keyvane_e2e.exe" "$@" || status=$?
wineserver -k 2>/dev/null || true
# The prefix is shared by every run: the next one starts at 100 % unless told.
[ "$dpi" = 96 ] || set_logpixels 96
for shot in "$shots"/*.bmp; do
    [ -e "$shot" ] || continue
    png="${shot%.bmp}$suffix.png"
    [[ "$shot" =~ _[0-9]+\.bmp$ ]] && png="${shot%.bmp}.png"
    convert "$shot" "$png" && rm "$shot" && echo "screenshot: $png"
done
exit "$status"
