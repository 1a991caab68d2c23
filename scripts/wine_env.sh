# Sourced with the build folder (and optionally a prefix name) as arguments:
# the private Wine prefix of that build, and how to make it. Wine never offers to download its .NET or HTML
# engines here (nothing can be downloaded), and every program runs in one
# virtual desktop, so windows and the notification area live together.
build_dir=$1
export WINEPREFIX="$build_dir/${2:-test}-prefix"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree=;mshtml="
export WINEDEBUG=${WINEDEBUG:--all}

wine_prefix_ready() {
    [ -f "$WINEPREFIX/.keyvane-prefix" ] && return 0
    echo "Making the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
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
    wineserver -w
    touch "$WINEPREFIX/.keyvane-prefix"
}
