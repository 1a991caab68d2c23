# Sourced with the build folder (and optionally a prefix name) as arguments:
# the private Wine prefix of that build, and how to make it. Wine never offers to download its .NET or HTML
# engines here (nothing can be downloaded), and every program runs in one
# virtual desktop, so windows and the notification area live together; with
# KEYVANE_DESKTOP=plain, in a prefix of its own, each window is straight on
# the X screen with no window manager, as a plain Wine runs programs.
build_dir=$1
export WINEPREFIX="$build_dir/${2:-test}${KEYVANE_DESKTOP:+-$KEYVANE_DESKTOP}-prefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

# Every program of the prefix in one virtual desktop of the screen's size.
use_virtual_desktop() {
    local reg
    reg=$(mktemp --suffix=.reg)
    cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"
REG
    wine regedit /S "$reg" >/dev/null 2>&1
    rm -f "$reg"
}

wine_prefix_ready() {
    [ -f "$WINEPREFIX/.keyvane-prefix" ] && return 0
    echo "Making the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    [ "${KEYVANE_DESKTOP:-}" = plain ] || use_virtual_desktop
    wineserver -w
    touch "$WINEPREFIX/.keyvane-prefix"
}
