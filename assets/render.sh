#!/bin/sh
# Renders every picture the program and the desktop packaging ship, from the SVG
# sources in assets/src. Safe to run again at any time: all outputs are overwritten
# and metadata (timestamps) is stripped, so unchanged sources give unchanged files.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick 6 "convert".
set -eu

here=$(cd "$(dirname "$0")" && pwd)
src="$here/src"
out="$here"
icons="$here/../packaging/icons/hicolor"

CONVERT=${CONVERT:-/usr/bin/convert}
RSVG=${RSVG:-rsvg-convert}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM

# raster NAME WIDTH HEIGHT -> $tmp/NAME-WxH.png
raster() {
    "$RSVG" --width "$2" --height "$3" --output "$tmp/$1-$2x$3.png" "$src/$1.svg"
}

# Opaque PNG without alpha channel or timestamps.
png_opaque() {
    "$CONVERT" "$1" -background "#c0c0ff" -alpha remove -alpha off -strip \
        -define png:exclude-chunks=date,time "$2"
}

# PNG keeping transparency, without timestamps.
png_alpha() {
    "$CONVERT" "$1" -strip -define png:exclude-chunks=date,time "$2"
}

# name width height look (jpg, bmp or gif). Every picture is shipped as an uncompressed BMP, the
# JPEG and GIF looks with the very same pixels: Qt reads BMP itself and fastest, while JPEG and
# GIF would load image plugins while the window starts, and PNG costs several times the decoding.
picture() {
    name=$1 w=$2 h=$3 fmt=$4
    raster "$name" "$w" "$h"
    base="$tmp/$name-${w}x$h.png"
    case $fmt in
        jpg)
            "$CONVERT" "$base" -alpha remove -alpha off -strip \
                -sampling-factor 1x1 -quality 95 "$tmp/$name.jpg"
            "$CONVERT" "$tmp/$name.jpg" -strip -type TrueColor "BMP3:$out/$name.bmp" ;;
        bmp)
            "$CONVERT" "$base" -alpha remove -alpha off -strip \
                -type TrueColor "BMP3:$out/$name.bmp" ;;
        gif)
            # Flat cartoon colours: a 256 colour palette without dithering keeps
            # outlines clean; the gentle gradients survive without visible banding.
            "$CONVERT" "$base" -alpha remove -alpha off -strip \
                +dither -colors 256 "$tmp/$name.gif"
            "$CONVERT" "$tmp/$name.gif" -strip -type Palette -compress None "BMP3:$out/$name.bmp" ;;
    esac
    # Double-size rendering for high-density screens, straight from the vector source.
    w2=$((w * 2)) h2=$((h * 2))
    raster "$name" "$w2" "$h2"
    png_opaque "$tmp/$name-${w2}x$h2.png" "$out/$name@2x.png"
}

picture speaker_on      68  61 jpg
picture speaker_off     68  61 jpg
picture plus            32  32 bmp
picture minus           32  32 bmp
picture times           32  32 bmp
picture divide          32  32 bmp
picture girl_chalkboard 199 272 gif
picture mode_button     90  39 bmp

# Window icon.
raster icon 32 32
png_opaque "$tmp/icon-32x32.png" "$out/icon.png"

# Desktop icon theme. 16 px has its own pixel-fitted drawing.
for n in 16 32 48 64 128 256; do
    mkdir -p "$icons/${n}x$n/apps"
    if [ "$n" -eq 16 ]; then
        raster numivox-16 16 16
        png_alpha "$tmp/numivox-16-16x16.png" "$icons/${n}x$n/apps/numivox.png"
    else
        raster numivox "$n" "$n"
        png_alpha "$tmp/numivox-${n}x$n.png" "$icons/${n}x$n/apps/numivox.png"
    fi
done
mkdir -p "$icons/scalable/apps"
cp "$src/numivox.svg" "$icons/scalable/apps/numivox.svg"

echo "render.sh: all pictures rendered."
