# Sourced by the README commands: installs with apt-get whatever of the
# toolchain is missing on this Debian machine (nothing when all is there).
ensure_tools() {
    local missing=()
    command -v cmake >/dev/null || missing+=(cmake)
    command -v g++ >/dev/null || missing+=(g++)
    command -v clang++ >/dev/null || missing+=(clang)
    [ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
    command -v x86_64-w64-mingw32-windres >/dev/null || missing+=(binutils-mingw-w64-x86-64)
    command -v wine >/dev/null || missing+=(wine wine64)
    command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
    command -v xdpyinfo >/dev/null || missing+=(x11-utils)
    command -v makensis >/dev/null || missing+=(nsis)
    # Look for ImageMagick itself: some machines carry a stand-in "convert".
    [ -x /usr/bin/convert ] || missing+=(imagemagick)
    [ -d /usr/share/icons/Tango/32x32 ] || missing+=(tango-icon-theme)
    command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
    [ -f /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf ] || missing+=(fonts-dejavu-core)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}
