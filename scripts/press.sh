#!/usr/bin/env bash
# Presses keys of the keyboard on the keyvane.exe that scripts/run.sh started:
#   scripts/press.sh volume-up mute web-back
# A named key is written into the key log (c:\ostrel.log) with its report code,
# as the keyboard's filter driver does; a key without a report code, and a
# number (0x20), which is a key command code as it stands, go the hook
# library's way. Names are those listed by "scripts/press.sh --list".
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A code=(
    [mute]=0x01 [web-home]=0x02 [mail]=0x03 [web-stop]=0x04 [web-back]=0x05 [web-forward]=0x06
    [web-refresh]=0x07 [play]=0x08 [previous]=0x09 [next]=0x0A [stop]=0x0B [volume-up]=0x0C
    [volume-down]=0x0D [calculator]=0x0E [favourites]=0x0F [web-search]=0x10 [media]=0x11
    [my-computer]=0x12 [scroll-up]=0x14 [scroll-down]=0x18 [word]=0x32 [excel]=0x33
    [powerpoint]=0x35 [calendar]=0x36 [eject]=0x37 [new]=0x38 [open]=0x39 [save]=0x3A
    [replace]=0x3B [spelling]=0x3C [undo]=0x3D [redo]=0x3E [reply]=0x3F [reply-all]=0x40
    [find]=0x41 [send]=0x42 [shift-latch]=0x43 [cut]=0x44 [copy]=0x45 [paste]=0x46
    [close-window]=0x49 [next-window]=0x4A [print]=0x4B [reboot]=0x4C [middle-click]=0x4E
    [help]=0x51 [messenger]=0x52 [pictures]=0x53 [sound-recorder]=0x57 [magnifier]=0x58
    [show-desktop]=0x59 [gadgets]=0x5A [games]=0x5C
)
if [ "${1:-}" = "--list" ] || [ $# -eq 0 ]; then
    printf '%s\n' "${!code[@]}" | sort | column -c 100
    exit 0
fi

# The keyboard's report codes: entry n of the program's ReportCommandTable is
# the key command of report code n; a key takes the first report code of its command.
mapfile -t table < <(sed -n '/^const std::uint8_t ReportCommandTable/,/^};/p' app/report_command_table.cpp |
    grep -o '0x[0-9A-F][0-9A-F]')
[ ${#table[@]} -eq 60 ] || { echo "cannot read ReportCommandTable in app/report_command_table.cpp" >&2; exit 1; }
declare -A report=()
for i in "${!table[@]}"; do
    [ -n "${report[${table[i]}]:-}" ] || report[${table[i]}]=$i
done

# Each key as "road value", in the order given.
presses=()
for key in "$@"; do
    case "$key" in
        0x* | [0-9]*) presses+=("hook $key") ;;
        *)
            [ -n "${code[$key]:-}" ] || { echo "unknown key: $key (see --list)" >&2; exit 2; }
            command=${code[$key]}
            if [ -n "${report[$command]:-}" ]; then
                presses+=("keylog ${report[$command]}")
            else
                presses+=("hook $command")
            fi
            ;;
    esac
done

source scripts/wine_env.sh "$PWD/build/windows" demo
export DISPLAY=$(cat "$WINEPREFIX/.display")
program_dir='C:\Program Files\Keyvane'
# Neighbouring keys of one road go in one run; the key log takes at most 19 at once.
road=""
batch=()
flush() {
    [ ${#batch[@]} -gt 0 ] || return 0
    if [ "$road" = keylog ]; then
        wine "$program_dir\\write_key_log.exe" press "${batch[@]}"
    else
        wine "$program_dir\\send_key_command.exe" "${batch[@]}"
    fi
    batch=()
}
for press in "${presses[@]}"; do
    read -r next value <<<"$press"
    if [ "$next" != "$road" ] || [ ${#batch[@]} -ge 19 ]; then
        flush
        road=$next
    fi
    batch+=("$value")
done
flush
