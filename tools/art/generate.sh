#!/bin/sh
# Rebuilds every picture of the game from source: draws PNGs with tessaro_artgen, then
# converts them to the formats and colour budgets the windows expect.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${TESSARO_ART_BUILD:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro-artgen}
pictures=$root/ui/layouts/pictures
icons=$root/data/icons/hicolor

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target tessaro_artgen -j2 >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$build/tessaro_artgen" "$work" 2>/dev/null

# An opaque picture as a GIF of at most $2 colours, dithered when $3 is "dither".
opaque_gif() {
    dither=+dither
    [ "$3" = dither ] && dither="-dither FloydSteinberg"
    convert "$work/$1.png" -alpha off $dither -colors "$2" "$pictures/$1.gif"
}

# A picture whose pixels are fully opaque or fully clear, as a GIF with one transparent colour.
clear_gif() {
    convert "$work/$1.png" -channel A -threshold 50% +channel +dither -colors "$2" "$pictures/$1.gif"
}

mkdir -p "$pictures" "$icons" "$root/data/SOUND"
for suffix in "" "@2x"; do
    opaque_gif "board$suffix" 256 dither
    opaque_gif "overlay$suffix" 64 plain
    opaque_gif "splash$suffix" 256 dither
    opaque_gif "results$suffix" 64 plain
    opaque_gif "rules$suffix" 256 plain
    for number in 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24; do
        clear_gif "knight$number$suffix" 32
    done
    clear_gif "blank$suffix" 16
    convert "$work/logo$suffix.png" -alpha off +dither -colors 256 -type Palette -compress none \
        "BMP3:$pictures/logo$suffix.bmp"
    convert "$work/dragicon$suffix.png" -strip -define png:exclude-chunks=date,time \
        "PNG8:$pictures/dragicon$suffix.png"
done

# The window icon: 16 colours at 16 and 32 pixels, full colour at 48 and 64.
convert \
    \( "$work/icon16.png" -channel A -threshold 50% +channel +dither -colors 16 \) \
    \( "$work/icon32.png" -channel A -threshold 50% +channel +dither -colors 16 \) \
    "$work/icon48.png" "$work/icon64.png" "$root/data/SOUND/tessaro.ico"

for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/${size}x$size/apps"
    cp "$work/icon$size.png" "$icons/${size}x$size/apps/tessaro.png"
done
