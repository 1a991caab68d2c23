#!/usr/bin/env bash
# Presses keys of the keyboard on the keyvane.exe that scripts/run.sh started:
#   scripts/press.sh volume-up mute web-back
# A named key is written into the key log (c:\ostrel.log) with its report code,
# as the keyboard's filter driver does; a key without a report code, and a
# number (0x20), which is a key command code as it stands, go the hook
# library's way. Names are those listed by "scripts/press.sh --list".
set -euo pipefail
cd "$(dirname "$0")/.."
# The key names and each key's first key command code, from the program's own
# table of them (KeyNames, dispatch/key_names.cpp).
declare -A code=()
while read -r name first; do
    code[$name]=$first
done < <(sed -n '/^const std::array<KeyName/,/^}};/p' dispatch/key_names.cpp |
    sed -nE 's/^ *\{"([a-z0-9-]+)", [^{]*\{(0x[0-9A-F]{2}).*/\1 \2/p')
[ ${#code[@]} -gt 0 ] || { echo "cannot read KeyNames in dispatch/key_names.cpp" >&2; exit 1; }
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
