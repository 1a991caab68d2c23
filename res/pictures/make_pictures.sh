#!/bin/bash
# Generates the program's icons and pictures from the Tango icon theme.
# Usage: make_pictures.sh OUTDIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTDIR" >&2
    exit 2
fi
OUT=$1
TANGO=/usr/share/icons/Tango
if [ ! -d "$TANGO/32x32" ]; then
    echo "$0: the Tango icons are missing (install tango-icon-theme)" >&2
    exit 1
fi
if ! command -v rsvg-convert >/dev/null; then
    echo "$0: rsvg-convert is missing (install librsvg2-bin)" >&2
    exit 1
fi
mkdir -p "$OUT"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Tango icon by size and name, e.g. icon 32 devices/input-keyboard.
icon() { echo "$TANGO/$1x$1/$2.png"; }

# The key and volume strips are drawn for 100 % and again, larger, for 150 %
# and 200 % screens. SCALE is the percentage the strip functions draw at;
# px N is N pixels of the 100 % drawing at that scale.
SCALE=100
px() { echo $(( ($1 * SCALE + 50) / 100 )); }

# svg_icon NAME SIZE: the theme's scalable drawing of an icon rendered at SIZE
# pixels, for the larger strips, where the fixed sizes would be blown up.
# Jobs may render the same icon at once, so each writes its own file and
# moves it into place.
svg_icon() {
    local out="$WORK/${1//\//-}-$2.png"
    rsvg-convert -w "$2" -h "$2" "$TANGO/scalable/$1.svg" -o "$out.$BASHPID"
    mv -f "$out.$BASHPID" "$out"
    echo "$out"
}

KEY='#ff00ff'        # key colour of the key picture strips
VOLUME_KEY='#ff08ff' # key colour of the volume strip
FONT=DejaVu-Sans-Bold
# grep reads the whole list: stopping at the first match would end convert
# with SIGPIPE, which pipefail counts as a failure.
if ! convert -list font | grep "Font: $FONT\$" >/dev/null; then
    echo "$0: font $FONT missing (install fonts-dejavu-core)" >&2
    exit 1
fi

KEYBOARD=devices/input-keyboard

# ---------------------------------------------------------------- icons

# The application icon: the keyboard with a speaker above it, because the
# keyboard's point is its multimedia keys.
convert "$(icon 16 "$KEYBOARD")" "$WORK/app16.png"
convert "$(icon 32 "$KEYBOARD")" \
    \( "$(icon 16 status/audio-volume-high)" \) -geometry +16+0 -composite \
    "$WORK/app32.png"
convert "$WORK/app16.png" "$WORK/app32.png" "$OUT/keyvane.ico"

# Tray icons: active is the keyboard tinted orange with a green dot, so the
# difference shows even at 16 x 16 on a light or dark task bar.
tray_active() { # size, dot diameter, output
    local s=$1 d=$2
    local o=$((s - d - 1))
    convert "$(icon "$s" "$KEYBOARD")" -fill '#f57900' -colorize 45% \
        -fill '#4e9a06' -stroke '#2e5e04' -strokewidth 1 \
        -draw "circle $((o + d / 2)),$((o + d / 2)) $((o + d / 2)),$o" "$3"
}
tray_active 16 7 "$WORK/act16.png"
tray_active 32 12 "$WORK/act32.png"
convert "$(icon 16 "$KEYBOARD")" "$(icon 32 "$KEYBOARD")" "$OUT/tray_normal.ico"
convert "$WORK/act16.png" "$WORK/act32.png" "$OUT/tray_active.ico"

# ---------------------------------------------------------------- tool bar

# Eight 16 x 15 buttons on the silver of a classic tool bar.
buttons=()
for name in actions/document-new actions/document-open actions/document-save \
            actions/edit-cut actions/edit-copy actions/edit-paste \
            actions/document-print apps/help-browser; do
    buttons+=( \( "$(icon 16 "$name")" -trim +repage -background none \
                  -gravity center -extent 16x15 \) )
done
convert "${buttons[@]}" +append -background 'rgb(192,192,192)' -alpha remove \
    -alpha off -type TrueColor "BMP3:$OUT/toolbar.bmp"

# ---------------------------------------------------------------- key strips

# A strip is built by one convert command; F collects its arguments, frame
# by frame, each frame a 32 x 32 transparent canvas (at 100 %) in parentheses.
F=()
open_frame() { F+=( '(' -size "$(px 32)x$(px 32)" xc:none ); }
close_frame() { F+=( ')' ); }

# put_icon NAME SIZE X Y [OPS...]: a Tango icon at SIZE pixels, placed at X,Y.
# The theme's own drawing at that size is crisper than a scaled 32 x 32 one;
# larger strips render the scalable drawing at their size.
put_icon() {
    local file size=$2
    if [ "$SCALE" = 100 ]; then
        file=$(icon "$size" "$1")
        [ -e "$file" ] || file=$(icon 32 "$1")
    else
        size=$(px "$2")
        file=$(svg_icon "$1" "$size")
    fi
    F+=( '(' "$file" -resize "${size}x${size}" "${@:5}" ')' -geometry "+$(px "$3")+$(px "$4")" -composite )
}

# scaled MVG: the drawing in 100 % coordinates, for the current scale.
scaled() {
    if [ "$SCALE" = 100 ]; then
        echo "$1"
    else
        awk -v s="$SCALE" -v mvg="$1" 'BEGIN { printf "scale %g,%g %s\n", s / 100, s / 100, mvg }'
    fi
}

# shape FILL STROKE WIDTH MVG: draws in the current frame. Settings are global
# to the command, so every draw names its own colours.
shape() { F+=( -fill "$1" -stroke "$2" -strokewidth "$3" -draw "$(scaled "$4")" ); }

# text X Y SIZE COLOUR TEXT: writes into the current frame, baseline at Y.
text() {
    F+=( -font "$FONT" -pointsize "$(px "$3")" -fill "$4" -stroke none -annotate "+$(px "$1")+$(px "$2")" "$5" )
}

# polar CX CY R DEGREES: the point at R from the centre, angles clockwise
# from east as ImageMagick draws them.
polar() {
    awk -v x="$1" -v y="$2" -v r="$3" -v d="$4" \
        'BEGIN { a = d * atan2(0, -1) / 180; printf "%.1f,%.1f", x + r * cos(a), y + r * sin(a) }'
}

# key_strip NAME [8]: stacks the four frames of F into OUT/NAME.bmp. Alpha is
# cut at one half so that every pixel is either the key colour or opaque: a
# fringe blended towards magenta would show as a pink halo on the desktop.
# With 8, the strip is written with a palette; the transparent pixels are
# made one colour first so they stay one entry, the key colour exactly.
key_strip() {
    local colours=( -type TrueColor ) palette=() p
    p=$(px 32)
    if [ "${2:-24}" = 8 ]; then
        palette=( -background "$KEY" -alpha background +dither -colors 255 )
        colours=( -type Palette )
    fi
    convert "${F[@]}" -append -channel A -threshold 50% +channel "${palette[@]}" \
        -background "$KEY" -alpha remove -alpha off \
        -fill "$KEY" -stroke none -draw "point 0,0 point 0,$p point 0,$((2 * p)) point 0,$((3 * p))" \
        "${colours[@]}" -compress None "BMP3:$(strip_file "$1")"
    png_copy "$1"
    F=()
}

# strip_file NAME: the bitmap of a strip at the current scale, VOLDEC.bmp at
# 100 % and VOLDEC_150.bmp at 150 %.
strip_file() {
    if [ "$SCALE" = 100 ]; then
        echo "$OUT/$1.bmp"
    else
        echo "$OUT/$1_$SCALE.bmp"
    fi
}

# png_copy NAME: the larger strips go into the program as PNG, a tenth of the
# bitmap's size; their bitmaps stay beside them for the tests. Without
# metadata the PNG has the same bytes on every run.
png_copy() {
    [ "$SCALE" = 100 ] ||
        convert "$(strip_file "$1")" -strip -define png:exclude-chunks=date,time \
            -define png:compression-level=9 "$OUT/$1_$SCALE.png"
}

# speaker WAVES: the loudspeaker at the left with 0 to 3 sound waves.
speaker() {
    local n=$1 r waves=""
    for r in 6 12 18; do
        [ "$n" -gt 0 ] || break
        waves+=" ellipse 8,16 $r,$r -38,38"
        n=$((n - 1))
    done
    local speaker
    if [ "$SCALE" = 100 ]; then
        speaker=$(icon 22 status/audio-volume-high)
    else
        speaker=$(svg_icon status/audio-volume-high "$(px 22)")
    fi
    F+=( '(' "$speaker" -crop "$(px 12)x$(px 22)+0+0" +repage ')' -geometry "+0+$(px 5)" -composite )
    # Light waves edged in dark show on any desktop.
    [ -z "$waves" ] || { shape none '#204a87' 3 "$waves"; shape none '#b6d2f0' 1 "$waves"; }
}

volume_step() { # NAME SIGN: waves grow beside a red plus or minus
    local n
    for n in 0 1 2 3; do
        open_frame
        speaker "$n"
        case $2 in
            +) shape '#ef2929' '#a40000' 1 'rectangle 22,24 31,28 rectangle 25,21 28,31'
               shape '#ef2929' none 0 'rectangle 23,25 30,27 rectangle 26,22 27,30' ;;
            -) shape '#ef2929' '#a40000' 1 'rectangle 22,24 31,28' ;;
        esac
        close_frame
    done
    key_strip "$1"
}

strip_mute() {
    local n
    for n in 1 2 3; do open_frame; speaker "$n"; close_frame; done
    open_frame
    speaker 3
    shape none '#cc0000' 3 'circle 16,16 16,3 line 7,7 25,25'
    close_frame
    key_strip MUTE
}

strip_unmute() {
    local n
    for n in 0 1 2 3; do open_frame; speaker "$n"; close_frame; done
    key_strip UNMUTE
}

# Grey to green, for symbols that "turn green" over the four frames.
GREENING=( '#d3d7cf' '#b4dc85' '#94dd48' '#73d216' )

# disc_symbol NAME MVG: a music disc with a player symbol that turns green;
# MVG draws the symbol in a 15 x 13 box at the disc's lower right.
disc_symbol() {
    local fill
    for fill in "${GREENING[@]}"; do
        open_frame
        put_icon devices/media-optical 26 0 0
        shape "$fill" '#2e3436' 1 "translate 16,18 $2"
        close_frame
    done
    key_strip "$1"
}

strip_vcd_stop() {
    local fill
    for fill in '#000000' '#73d216' '#000000' '#73d216'; do
        open_frame
        put_icon devices/media-optical 26 0 0
        shape "$fill" '#2e3436' 1 'rectangle 18,18 30,30'
        close_frame
    done
    key_strip VCDSTOP
}

strip_media() {
    local fill
    for fill in "${GREENING[@]}"; do
        open_frame
        put_icon devices/media-optical 32 0 0
        shape "$fill" '#2e3436' 1 'polygon 11,7 26,16 11,25'
        close_frame
    done
    key_strip MEDIA
}

# lights_up NAME ICON AREA GLOW: the area (a screen, a display) goes from
# dark to as drawn, and then glows in the colour GLOW.
lights_up() {
    local shade
    for shade in 'rgba(20,20,20,0.9)' 'rgba(20,20,20,0.5)' none "$4"; do
        open_frame
        put_icon "$2" 32 0 0
        shape "$shade" none 0 "rectangle $3"
        close_frame
    done
    key_strip "$1"
}

strip_mail() {
    open_frame; put_icon apps/internet-mail 32 0 0; close_frame
    open_frame; put_icon actions/mail-forward 32 0 0; close_frame
    open_frame; put_icon actions/mail-forward 24 8 0; close_frame
    open_frame; put_icon actions/mail-forward 16 16 0
    shape none '#f57900' 2 'line 5,25 14,16 line 10,29 19,20'
    close_frame
    key_strip MAIL
}

strip_web_home() {
    local b
    for b in 60 80 100 115; do
        open_frame; put_icon apps/internet-web-browser 32 0 0 -modulate "$b"; close_frame
    done
    key_strip WEBHOME
}

strip_web_favorites() {
    local star="" i fill
    for i in 0 1 2 3 4 5 6 7 8 9; do
        star+=" $(polar 16 17 $(( i % 2 ? 6 : 15 )) $(( i * 36 - 90 )))"
    done
    for fill in '#c4a000' '#edd400' '#fce94f' '#fff8b8'; do
        open_frame
        shape "$fill" '#8f5902' 1 "polygon$star"
        close_frame
    done
    key_strip WEBFAVORITES 8
}

strip_web_search() {
    local at x y
    for at in 0,4 4,0 8,4 4,8; do # round a small circle
        x=${at%,*} y=${at#*,}
        open_frame
        # The lens is clear glass in the theme; backed, it does not show the
        # desktop through, and the shadow under it is dropped.
        shape '#dbe7f5' none 0 "translate $x,$y circle 9.5,9 9.5,2.5"
        put_icon actions/system-search 24 "$x" "$y" -channel A -fx "j >= $(px 17) && i <= $(px 15) ? 0 : u" +channel
        close_frame
    done
    key_strip WEBSEARCH
}

# round_arrow NAME ARROW ANGLES: a green button whose highlight runs over
# the given angles of its rim.
round_arrow() {
    local angle
    for angle in $3; do
        open_frame
        shape '#73d216' '#4e9a06' 1 'circle 15.5,15.5 15.5,1'
        shape 'rgba(255,255,255,0.55)' none 0 "ellipse $(polar 15.5 15.5 9 "$angle") 4,3 0,360"
        put_icon "$2" 22 5 5 -fill white -colorize 100
        close_frame
    done
    key_strip "$1"
}

strip_web_stop() {
    local n
    for n in 0 1 2 3; do
        open_frame
        put_icon mimetypes/text-html 32 0 0
        [ $((n % 2)) = 0 ] || put_icon actions/process-stop 22 10 10
        close_frame
    done
    key_strip WEBSTOP
}

strip_web_refresh() {
    local size
    for size in 0 12 18 24; do
        open_frame
        put_icon mimetypes/text-x-generic 32 0 0
        # The theme's arrows are blue; a hue turn of -120 degrees makes them green.
        [ "$size" = 0 ] || put_icon actions/view-refresh "$size" $(( 16 - size / 2 )) $(( 16 - size / 2 )) \
            -modulate 100,160,33
        close_frame
    done
    key_strip WEBREFRESH
}

# office NAME ICON COLOUR LETTER: the document icon in the program's colour,
# and in frames 1 and 3 only an empty square, so the picture blinks.
office() {
    local n
    for n in 0 1 2 3; do
        open_frame
        if [ $((n % 2)) = 0 ]; then
            put_icon "$2" 32 0 0 -fill "$3" -colorize 25
            shape "$3" '#2e3436' 1 'roundrectangle 15,15 30,30 3,3'
            text 17 28 13 white "$4"
        else
            shape none '#2e3436' 4 'rectangle 5,4 26,27'
            shape none "$3" 2 'rectangle 5,4 26,27'
        fi
        close_frame
    done
    key_strip "$1"
}

strip_eject() {
    local n
    for n in 0 1 2 3; do
        open_frame
        put_icon devices/drive-optical 24 4 10
        [ $((n % 2)) = 0 ] || put_icon devices/media-optical 16 8 0
        close_frame
    done
    key_strip EJECT 8
}

strip_gadget() {
    local angle
    for angle in 170 230 290 350; do
        open_frame
        shape '#eeeeec' '#555753' 2 'circle 16,17 16,3'
        shape none '#73d216' 3 'ellipse 16,17 10,10 150,250'
        shape none '#edd400' 3 'ellipse 16,17 10,10 250,320'
        shape none '#cc0000' 3 'ellipse 16,17 10,10 320,390'
        shape none '#a40000' 2 "line 16,17 $(polar 16 17 10 "$angle")"
        shape '#2e3436' none 0 'circle 16,17 18,17'
        close_frame
    done
    key_strip GADGET
}

# sparkle X Y S: a four-pointed white glint of radius S.
sparkle() {
    shape white none 0 "polygon $1,$(($2 - $3)) $(($1 + 1)),$(($2 - 1)) $(($1 + $3)),$2 \
$(($1 + 1)),$(($2 + 1)) $1,$(($2 + $3)) $(($1 - 1)),$(($2 + 1)) $(($1 - $3)),$2 $(($1 - 1)),$(($2 - 1))"
}

strip_game() {
    local glint
    for glint in 1 3 6 3; do
        open_frame
        shape none '#2e3436' 2 'line 16,2 16,30 line 2,16 30,16 line 6,6 26,26 line 6,26 26,6'
        shape '#2e3436' '#000000' 1 'circle 16,16 16,6'
        shape '#555753' none 0 'circle 14,14 14,9'
        sparkle 12 12 "$glint"
        close_frame
    done
    key_strip GAME
}

# ---------------------------------------------------------------- volume strip

# 26 frames of 96 x 32, level n in frame n: the word, the number at the
# right and a slider whose knob moves right with the level.
volume_strip() {
    local n y knob mvg="" corners="" labels=()
    for n in $(seq 0 25); do
        y=$((n * 32))
        knob=$(( 9 + (n * 51 + 12) / 25 ))
        corners+=" point 0,$(px "$y")"
        mvg+=" fill #2e3436 stroke #888a85 roundrectangle 0,$y 95,$((y + 31)) 7,7"
        mvg+=" fill #555753 stroke #1a1a1a roundrectangle 7,$((y + 21)) 62,$((y + 25)) 2,2"
        [ "$n" = 0 ] || mvg+=" fill #73d216 stroke none rectangle 8,$((y + 22)) $knob,$((y + 24))"
        mvg+=" fill #eeeeec stroke #888a85 roundrectangle $((knob - 2)),$((y + 17)) $((knob + 2)),$((y + 29)) 1,1"
        labels+=( -gravity NorthWest -pointsize "$(px 11)" -annotate "+$(px 8)+$(px $((y + 3)))" VOLUME
                  -gravity NorthEast -pointsize "$(px 16)" -annotate "+$(px 6)+$(px $((y + 7)))" "$n" )
    done
    convert -size "$(px 96)x$(px 832)" xc:none -strokewidth 1 -draw "$(scaled "$mvg")" \
        -font "$FONT" -fill white -stroke none "${labels[@]}" \
        -channel A -threshold 50% +channel -background "$VOLUME_KEY" -alpha remove -alpha off \
        -fill "$VOLUME_KEY" -draw "$corners" -type TrueColor "BMP3:$(strip_file VOLUME)"
    png_copy VOLUME
}

# ---------------------------------------------------------------- pictures

# bmp16 PNG BMP: a 16 bits per pixel copy. ImageMagick marks its 5-5-5 output
# as bit fields but writes no masks, which Windows would read as pixels; at
# 16 bits BI_RGB means 5-5-5, so the header is set to that.
bmp16() {
    local w h
    read -r w h < <(identify -format '%w %h\n' "$1")
    convert "$1" -alpha off -define bmp:subtype=RGB555 "BMP3:$2"
    if [ "$(stat -c %s "$2")" != $((54 + h * ((w * 2 + 3) / 4 * 4))) ] ||
       [ "$(od -An -tu4 -j30 -N4 "$2" | tr -d ' ')" != 3 ]; then
        echo "$0: unexpected 16-bit layout in $2" >&2
        exit 1
    fi
    printf '\0' | dd of="$2" bs=1 seek=30 conv=notrunc status=none
}

# picture_out NAME PNG: a picture drawn at SCALE, for the program: at 100 % a
# 16-bit bitmap as it always was, larger kept as the strips are.
picture_out() {
    if [ "$SCALE" = 100 ]; then
        bmp16 "$2" "$OUT/$1.bmp"
    else
        convert "$2" -alpha off -depth 8 -type TrueColor "BMP3:$(strip_file "$1")"
        png_copy "$1"
    fi
}

# keyboard_mvg X Y: a drawn keyboard, 248 x 69, with room for a row of media
# keys along its top.
keyboard_mvg() {
    local x=$1 y=$2 row col left mvg
    mvg="fill #555753 stroke none roundrectangle $((x + 3)),$((y + 4)) $((x + 251)),$((y + 73)) 10,10"
    mvg+=" fill #eeeeec stroke #888a85 roundrectangle $x,$y $((x + 248)),$((y + 69)) 10,10"
    mvg+=" fill #ffffff stroke #babdb6"
    for row in 0 1 2 3; do
        for col in $(seq 0 14); do
            if [ "$row" = 3 ]; then
                [ "$col" -lt 4 ] || [ "$col" -gt 10 ] || continue
                left=$((x + 10 + col * 15))
            else
                left=$((x + 10 + col * 15 + row * 3))
            fi
            mvg+=" roundrectangle $left,$((y + 23 + row * 11)) $((left + 12)),$((y + 32 + row * 11)) 2,2"
        done
    done
    mvg+=" roundrectangle $((x + 70)),$((y + 56)) $((x + 172)),$((y + 65)) 2,2"
    echo "$mvg"
}

# The start-up picture: the name over the keyboard, with the media keys
# as the theme draws them.
startup_picture() {
    local media=() i=0 name file
    for name in status/audio-volume-low status/audio-volume-high actions/media-skip-backward \
                actions/media-playback-start actions/media-playback-stop actions/media-skip-forward \
                actions/go-home apps/internet-mail apps/accessories-calculator; do
        if [ "$SCALE" = 100 ]; then file=$(icon 16 "$name"); else file=$(svg_icon "$name" "$(px 16)"); fi
        media+=( '(' "$file" ')' -geometry "+$(px $((40 + i * 22)))+$(px 80)" -composite )
        i=$((i + 1))
    done
    convert -size "$(px 280)x$(px 150)" gradient:'#729fcf-#204a87' \
        -draw "$(scaled "$(keyboard_mvg 14 76)")" "${media[@]}" \
        -font "$FONT" -pointsize "$(px 34)" -fill '#1a3a66' -annotate "+$(px 20)+$(px 50)" Keyvane \
        -fill white -annotate "+$(px 18)+$(px 48)" Keyvane \
        -pointsize "$(px 11)" -fill '#dbe7f5' -annotate "+$(px 21)+$(px 68)" 'Multimedia keyboard companion' \
        "$WORK/startup_$SCALE.png"
    picture_out STARTUP "$WORK/startup_$SCALE.png"
}

# The about picture: the name on a blue band, the version below. The OK
# button covers about x 226-276, y 53-72, which the picture leaves plain.
about_picture() {
    local media=() i=0 name file logo=( "$WORK/app32.png" )
    for name in status/audio-volume-high actions/media-playback-start apps/internet-web-browser \
                apps/internet-mail apps/accessories-calculator devices/computer; do
        if [ "$SCALE" = 100 ]; then file=$(icon 22 "$name"); else file=$(svg_icon "$name" "$(px 22)"); fi
        media+=( '(' "$file" ')' -geometry "+$(px $((18 + i * 30)))+$(px 114)" -composite )
        i=$((i + 1))
    done
    [ "$SCALE" = 100 ] || logo=( '(' "$(svg_icon "$KEYBOARD" "$(px 32)")" \
        "$(svg_icon status/audio-volume-high "$(px 16)")" -geometry "+$(px 16)+0" -composite ')' )
    convert -size "$(px 280)x$(px 150)" gradient:'#ffffff-#d3dfec' \
        \( -size "$(px 280)x$(px 48)" gradient:'#729fcf-#204a87' \) -composite \
        -fill none -stroke '#204a87' -strokewidth "$(px 1)" \
        -draw "rectangle 0,0 $(( $(px 280) - 1 )),$(( $(px 150) - 1 ))" \
        "${logo[@]}" -geometry "+$(px 14)+$(px 8)" -composite "${media[@]}" \
        -stroke none -font "$FONT" -pointsize "$(px 26)" -fill white -annotate "+$(px 56)+$(px 35)" Keyvane \
        -pointsize "$(px 12)" -fill '#204a87' -annotate "+$(px 18)+$(px 74)" 'Version 1.0' \
        -pointsize "$(px 10)" -fill '#555753' -annotate "+$(px 18)+$(px 98)" 'Multimedia keyboard companion' \
        "$WORK/about_$SCALE.png"
    picture_out ABOUT "$WORK/about_$SCALE.png"
}

# The OK button: up, down (sunk, the text a pixel lower right) and focused
# (a blue rim). The button takes the up picture's 49 x 19 and shows the
# others unscaled, so they are drawn on 49 x 19 too and padded to their size
# with their rim colour.
ok_button() { # NAME WIDTH HEIGHT GRADIENT RIM RIM_MVG TEXT_OFFSET
    convert -size "$(px 49)x$(px 19)" gradient:"$4" -fill none -stroke "$5" -strokewidth "$(px 1)" \
        -draw "$(scaled "$6")" -stroke none -font "$FONT" -pointsize "$(px 10)" -fill '#2e3436' \
        -gravity center -annotate "+$(px "$7")+$(px "$7")" OK \
        -background "$5" -gravity NorthWest -extent "$(px "$2")x$(px "$3")" -type TrueColor \
        "BMP3:$(strip_file "$1")"
    png_copy "$1"
}

# ---------------------------------------------------------------- run

# Each picture is independent; they are made side by side and each job's
# failure is reported.
jobs_run() {
    local job pids=() pid failed=0
    for job in "$@"; do
        eval "$job" &
        pids+=( $! )
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || failed=1
    done
    return $failed
}

strips=(
    'volume_step VOLDEC -' 'volume_step VOLINC +' strip_mute strip_unmute strip_media \
    "lights_up MYCOMPUTER devices/computer '7,3 22,14' 'rgba(255,255,255,0.25)'" \
    "lights_up CALCULATOR apps/accessories-calculator '7,4 25,8' 'rgba(210,255,140,0.55)'" \
    strip_mail strip_web_home strip_web_favorites strip_web_search \
    "round_arrow WEBBACK actions/go-previous '-45 -90 -135 -180'" \
    "round_arrow WEBNEXT actions/go-next '-135 -90 -45 0'" \
    strip_web_stop strip_web_refresh \
    "disc_symbol VCDNEXT 'polygon 0,0 6,6 0,12 polygon 6,0 12,6 6,12 rectangle 12,0 14,12'" \
    "disc_symbol VCDPREV 'rectangle 0,0 2,12 polygon 8,0 2,6 8,12 polygon 14,0 8,6 14,12'" \
    "disc_symbol VCDPLAY 'polygon 0,0 7,6 0,12 rectangle 9,0 10,12 rectangle 13,0 14,12'" \
    strip_vcd_stop \
    "office WORD mimetypes/x-office-document '#3465a4' W" \
    "office EXCEL mimetypes/x-office-spreadsheet '#4e9a06' X" \
    "office PPOINT mimetypes/x-office-presentation '#ce5c00' P" \
    strip_eject strip_gadget strip_game volume_strip
)
# The larger strips after the 100 % ones, so that two cores are not asked
# for three sets of jobs at once.
pictures=(
    startup_picture about_picture
    "ok_button OKU 49 19 '#ffffff-#d3d7cf' '#555753' 'rectangle 0,0 48,18' 0"
    "ok_button OKD 50 20 '#babdb6-#eeeeec' '#2e3436' 'rectangle 0,0 48,18' 1"
    "ok_button OKF 50 20 '#ffffff-#d3d7cf' '#3465a4' 'rectangle 0,0 48,18 rectangle 1,1 47,17' 0"
)
jobs_run "${strips[@]}" "${pictures[@]}"
for SCALE in 150 200; do
    jobs_run "${strips[@]}" "${pictures[@]}"
done
