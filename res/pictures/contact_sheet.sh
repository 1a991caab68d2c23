#!/usr/bin/env bash
# Lays out every picture of a generated pictures folder on one sheet, each
# strip's frames side by side and enlarged, on a desktop-like background:
#   res/pictures/contact_sheet.sh PICTURES_DIR OUT.png [SCALE]
# SCALE (100, the default, 150 or 200) picks the strips drawn for that scale.
set -euo pipefail
in=$1
out=$2
scale=${3:-100}
suffix=""
[ "$scale" = 100 ] || suffix=_$scale
key=$((32 * scale / 100))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
strips=(VOLINC VOLDEC MUTE UNMUTE MEDIA VCDPLAY VCDPREV VCDNEXT VCDSTOP WEBBACK WEBNEXT WEBSTOP WEBREFRESH
        WEBHOME WEBSEARCH WEBFAVORITES MAIL CALCULATOR MYCOMPUTER WORD EXCEL PPOINT EJECT GADGET GAME)
rows=()
for name in "${strips[@]}"; do
    # Four frames from top to bottom become one row, the key colour shown as the desktop.
    convert "$in/$name$suffix.bmp" -fill '#3a6ea5' -opaque '#ff00ff' -crop "${key}x$key" +repage +append \
        -filter point -resize 200% -background '#3a6ea5' -fill white -font DejaVu-Sans -pointsize 12 \
        label:"$name" -gravity west +append "$work/$name.png"
    rows+=("$work/$name.png")
done
convert "$in/VOLUME$suffix.bmp" -fill '#3a6ea5' -opaque '#ff08ff' -crop "$((3 * key))x$key" +repage \
    \( -clone 0 -clone 12 -clone 25 \) -delete 0-25 +append -filter point -resize 200% "$work/volume.png"
montage "${rows[@]}" -tile 2x -geometry +6+4 -background '#3a6ea5' "$work/strips.png"
convert "$work/strips.png" "$work/volume.png" "$in/STARTUP.bmp" -background '#3a6ea5' -gravity center -append \
    -bordercolor "#3a6ea5" -border 8 +repage -depth 8 "$out"
