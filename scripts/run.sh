#!/usr/bin/env bash
# Builds keyvane.exe and its setup, installs it under Wine with the setup
# (silently) and runs it in a Wine virtual desktop: on $DISPLAY when there is one,
# otherwise on a private X server (take screenshots with scripts/screenshot.sh).
# Press keys with scripts/press.sh while it runs; "Quit" in its tray menu, or
# Ctrl+C here, ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_tools.sh
source scripts/build.sh
ensure_tools
build_windows

source scripts/wine_env.sh "$repo_root/build/windows" demo
wine_prefix_ready
program_dir="$WINEPREFIX/drive_c/Program Files/Keyvane"

wineserver -k 2>/dev/null || true
if [ -z "${DISPLAY:-}" ]; then
    n=57
    while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    display=:$n
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
    export DISPLAY=$display
    echo "No display: running on the private X server $DISPLAY (scripts/screenshot.sh saves what it shows)."
fi
echo "$DISPLAY" >"$WINEPREFIX/.display"
# Installed by the product's own setup, silently, as an administrator would
# (an upgrade when the demo ran before); the demo's key helpers beside it.
if ! wine build/windows/keyvane-setup.exe /S; then
    echo "The setup failed." >&2
    exit 1
fi
cp build/windows/send_key_command.exe build/windows/write_key_log.exe "$program_dir/"
wine regedit /S "$(winepath -w scripts/demo_settings.reg)" >/dev/null 2>&1
# The key log as the keyboard's filter driver starts it, so the first key pressed counts.
wine "$program_dir/write_key_log.exe" create
echo "keyvane.exe is running. Press keys with: scripts/press.sh volume-up mute web-back ..."
# Started as the scheduled task starts it at logon: the installed program, in its folder.
cd "$program_dir"
wine keyvane.exe
