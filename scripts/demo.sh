#!/usr/bin/env bash
# Presses every key of the keyboard once, one at a time, on the keyvane.exe of
# scripts/run.sh and saves the picture each key shows near the bottom-right
# corner of the desktop:
#   scripts/demo.sh
# It writes build/demo/KEY.png (the picture with a little margin, labelled),
# build/demo/screens/KEY.png (the whole desktop at that moment) and the contact
# sheet build/demo-sheet.png. It uses the program scripts/run.sh is running, or
# starts scripts/run.sh itself and ends it afterwards; a program it starts
# itself runs as Windows XP, where the volume keys show the level strip.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine_env.sh "$PWD/build/windows" demo
out=build/demo
run_log=build/demo-run.log
sheet=build/demo-sheet.png
background='#3a6ea5'

# The processes of the demo's Wine prefix, as "pid command line".
prefix_processes() {
    local dir
    for dir in /proc/[0-9]*; do
        # Processes of others, and those that just ended, cannot be read.
        if { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "${dir#/proc/} $({ tr '\0' ' ' <"$dir/cmdline"; } 2>/dev/null)"
        fi
    done
}

program_running() {
    local processes
    processes=$(prefix_processes)
    grep -q '^[0-9]* keyvane\.exe' <<<"$processes"
}

# Polls CONDITION every 0.1 s for at most SECONDS; fails when time runs out.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

shot() {
    import -display "$DISPLAY" -window root "$1"
}

# The number of pixels of GEOMETRY in which two screenshots differ.
pixels_changed() {
    compare -metric AE -extract "$3" "$1" "$2" null: 2>&1 || true
}

# Whether the middle of the screen shows anything but plain colour (the start-up picture).
middle_busy() {
    shot "$work/now.png"
    [ "$(convert "$work/now.png" -gravity center -crop 64x64+0+0 -format '%[fx:standard_deviation>0]' info:)" = 1 ]
}
middle_plain() { ! middle_busy; }

# The demo as a program of its own: scripts/run.sh in the background, started
# as Windows XP unless the prefix already names a version for keyvane.exe.
started_run=""
own_version=""
app_defaults='HKCU\Software\Wine\AppDefaults\keyvane.exe'
drop_own_version() {
    case "$own_version" in
        key) wine reg delete "$app_defaults" /f >/dev/null 2>&1 || true ;;
        value) wine reg delete "$app_defaults" /v Version /f >/dev/null 2>&1 || true ;;
    esac
    own_version=""
}
end_own_run() {
    [ -n "$started_run" ] || return 0
    # Ending the prefix's Wine processes ends the program; scripts/run.sh then
    # ends by itself, taking its private X server with it.
    wineserver -k 2>/dev/null || true
    wait "$started_run" 2>/dev/null || true
    started_run=""
    drop_own_version
}
work=$(mktemp -d)
trap 'end_own_run; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

if program_running; then
    echo "Using the keyvane.exe that scripts/run.sh is running."
else
    echo "Starting scripts/run.sh (its output goes to $run_log)."
    mkdir -p build
    wine_prefix_ready
    if ! wine reg query "$app_defaults" >/dev/null 2>&1; then
        own_version=key
    elif ! wine reg query "$app_defaults" /v Version >/dev/null 2>&1; then
        own_version=value
    fi
    [ -z "$own_version" ] || wine reg add "$app_defaults" /v Version /d winxp /f >/dev/null 2>&1
    setsid scripts/run.sh >"$run_log" 2>&1 &
    started_run=$!
    run_alive() { kill -0 "$started_run" 2>/dev/null; }
    # The first run builds everything, which takes a while.
    until program_running; do
        run_alive || { echo "scripts/run.sh ended early; see $run_log" >&2; exit 1; }
        sleep 0.5
    done
fi
export DISPLAY
DISPLAY=$(cat "$WINEPREFIX/.display")
if [ -n "$started_run" ]; then
    # Up once its start-up picture has come and gone.
    wait_for 60 middle_busy || echo "note: no start-up picture seen" >&2
    wait_for 10 middle_plain || echo "note: the start-up picture stayed" >&2
    # The version is read when a program starts; the prefix keeps none of the demo's.
    drop_own_version
fi

rm -rf "$out"
mkdir -p "$out/screens"
shot "$work/empty.png"
read -r width height < <(identify -format '%w %h\n' "$work/empty.png")
# The pictures stand near the bottom-right corner: the key pictures 60 pixels
# left of it, the volume strip 110. The notification area's icon, which lights
# up at each key, sits at the far right and is left out of the watch.
watch="172x96+$((width - 192))+$((height - 96))"
margin=6
baseline=$(prefix_processes | cut -d' ' -f1)

picture_up() {
    shot "$work/now.png"
    [ "$(pixels_changed "$work/empty.png" "$work/now.png" "$watch")" != 0 ]
}
picture_gone() { ! picture_up; }
# Programs the keys started (browser, folders, help) close again, so that
# their windows and taskbar buttons stay out of the corner.
end_started_programs() {
    local pid command
    while read -r pid command; do
        grep -qx "$pid" <<<"$baseline" && continue
        case "$command" in
            /usr/lib/wine/wineserver* | *system32\\services.exe* | *system32\\winedevice.exe* | \
                *system32\\plugplay.exe* | *system32\\svchost.exe* | *system32\\rpcss.exe* | *explorer.exe\ /desktop*) ;;
            *) kill "$pid" 2>/dev/null || true ;;
        esac
    done < <(prefix_processes)
}

label() {
    convert "$1" -background "$background" -fill white -font DejaVu-Sans -pointsize 11 \
        label:"$2" -gravity center -append "$3"
}

# Alt+F4 goes to the window in front: a Notepad of its own stands there for it.
open_notepad() {
    shot "$work/before.png"
    wine notepad >/dev/null 2>&1 &
    notepad_open() {
        shot "$work/now.png"
        [ "$(pixels_changed "$work/before.png" "$work/now.png" "${width}x$((height - 96))+0+0")" != 0 ]
    }
    wait_for 15 notepad_open || echo "note: Notepad did not show" >&2
}

# The Shift latch goes right before the middle button key, which lets it go.
mapfile -t keys < <(scripts/press.sh --list | tr -s '[:space:]' '\n' | grep -v '^$' | sort |
    sed '/^shift-latch$/d; s/^middle-click$/shift-latch\nmiddle-click/')

pictured=()
unpictured=()
first_key=""
first_strip=""
for key in "${keys[@]}"; do
    [ "$key" != close-window ] || open_notepad
    scripts/press.sh "$key"
    if wait_for 2 picture_up; then
        cp "$work/now.png" "$out/screens/$key.png"
        box=$(convert "$work/empty.png" "$work/now.png" -crop "$watch" +repage -compose difference -composite \
            -threshold 0 -format '%@' info:)
        read -r w h x y < <(tr 'x+' '  ' <<<"$box")
        x=$((width - 192 + x - margin))
        y=$((height - 96 + y - margin))
        w=$((w + 2 * margin))
        h=$((h + 2 * margin))
        [ $((x + w)) -le "$width" ] || w=$((width - x))
        [ $((y + h)) -le "$height" ] || h=$((height - y))
        convert "$work/now.png" -crop "${w}x${h}+${x}+${y}" +repage -filter point -resize 200% "$work/crop.png"
        label "$work/crop.png" "$key" "$out/$key.png"
        pictured+=("$out/$key.png")
        if [ "$w" -gt $((32 + 2 * margin)) ]; then
            first_strip=${first_strip:-$key}
        else
            first_key=${first_key:-$key}
        fi
        echo "$key: picture"
        wait_for 4 picture_gone || shot "$work/empty.png"
    else
        unpictured+=("$key")
        echo "$key: no picture"
    fi
    end_started_programs
done

# The sheet: the desktop's corner as it looked with a key picture and with the
# volume strip, every picture, and the keys that showed none.
parts=()
for key in $first_key $first_strip; do
    convert "$out/screens/$key.png" -gravity southeast -crop 224x44+0+0 +repage -filter point -resize 200% \
        "$work/corner.png"
    label "$work/corner.png" "the corner with $key" "$work/corner-$key.png"
    parts+=("$work/corner-$key.png")
done
[ ${#parts[@]} -eq 0 ] || convert "${parts[@]}" -background "$background" -gravity south +append "$work/corners.png"
[ ${#pictured[@]} -eq 0 ] || montage "${pictured[@]}" -geometry +6+4 -tile 6x -background "$background" "$work/tiles.png"
parts=()
for part in "$work/corners.png" "$work/tiles.png"; do
    [ ! -f "$part" ] || parts+=("$part")
done
convert "${parts[@]}" \
    \( -size 720x -background "$background" -fill white -font DejaVu-Sans -pointsize 11 \
    caption:"No picture: ${unpictured[*]}" \) -background "$background" -gravity center -append \
    -bordercolor "$background" -border 8 "$sheet"
echo "${#keys[@]} keys pressed, ${#pictured[@]} showed a picture${first_strip:+ (the volume keys the level strip)}: $sheet"
