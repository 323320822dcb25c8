#!/usr/bin/env bash
# Renders the program's pictures and icon from the drawing scripts in this
# folder with ImageMagick and writes them into resources/.
#
#   tools/art/build.sh             render everything
#   tools/art/build.sh --preview D also write PNG previews into folder D: the
#                                  river scene with the figures on both banks
#                                  and the tube with balls in their places
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
pictures="$repo/resources/pictures"
icons="$repo/resources/icon"
packaging_icons="$repo/packaging/icons"
preview=""
if [ "${1:-}" = "--preview" ]; then preview="${2:?folder for the previews}"; fi

command -v convert >/dev/null || { echo "ImageMagick's convert is missing (scripts/setup-deps.sh installs it)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$pictures" "$icons" "$packaging_icons"

# No time stamps or other metadata, so that a rebuild gives the same bytes.
png_out=(-define png:exclude-chunks=date,time,tEXt,zTXt,iTXt)

# The river photograph: a JPEG at the size the window shows it.
convert mvg:"$here/river.mvg" -strip -quality 92 -sampling-factor 1x1 "$pictures/river.jpg"

# A figure: drawn with smooth edges inside, but its outline is cut hard
# against the plain key colour so that every background pixel is exactly the
# colour the window makes transparent (the bottom-left pixel's colour).
key='#FF00FF'
figure() {
  convert -background none mvg:"$here/$1.mvg" -channel A -threshold 50% +channel \
    -background "$key" -flatten -strip -type TrueColor "BMP3:$pictures/$1.bmp"
}
for f in goat cabbage wolf oldman; do figure "$f"; done

# The tube: same hard outline, against white.
convert -background none mvg:"$here/tube.mvg" -channel A -threshold 50% +channel \
  -background white -flatten -strip -type TrueColor "BMP3:$pictures/tube.bmp"

# Icon: 48 and 32 pixels scaled from one drawing, 16 pixels from its own.
for size in 48 32; do
  scale=$(awk -v s="$size" 'BEGIN { printf "%.6f", s / 48 }')
  { printf 'viewbox 0 0 %d %d\naffine %s 0 0 %s 0 0\n' "$size" "$size" "$scale" "$scale"; cat "$here/icon.mvg"; } > "$work/icon$size.mvg"
  convert -background none mvg:"$work/icon$size.mvg" -strip "${png_out[@]}" "PNG32:$icons/icon$size.png"
done
convert -background none mvg:"$here/icon16.mvg" -strip "${png_out[@]}" "PNG32:$icons/icon16.png"
convert "$icons/icon16.png" "$icons/icon32.png" "$icons/icon48.png" "$icons/app.ico"

# The larger sizes the desktop's icon theme asks for (software centres,
# high-density screens) are installed, not embedded: they go to packaging/.
# packaging/icons/puzzle-trainer.svg is the same drawing for any size.
for size in 64 128 256; do
  scale=$(awk -v s="$size" 'BEGIN { printf "%.6f", s / 48 }')
  { printf 'viewbox 0 0 %d %d\naffine %s 0 0 %s 0 0\n' "$size" "$size" "$scale" "$scale"; cat "$here/icon.mvg"; } > "$work/icon$size.mvg"
  convert -background none mvg:"$work/icon$size.mvg" -strip "${png_out[@]}" "PNG32:$packaging_icons/puzzle-trainer-$size.png"
done

if [ -n "$preview" ]; then
  mkdir -p "$preview"
  # Figures at their places on both banks, relative to the river picture
  # (which the window shows at 0, 216), stacked old man, wolf, goat, cabbage.
  scene() {  # $1 output, then "name WxH+X+Y" per figure
    local out="$1"; shift
    local args=("$pictures/river.jpg")
    for figure in "$@"; do
      set -- $figure
      args+=( \( "$pictures/$1.bmp" -transparent "$key" -resize "$2!" \) -geometry "+${3}+${4}" -composite )
    done
    convert "${args[@]}" "$out"
  }
  scene "$preview/river-start.png" "oldman 137x105 224 104" "wolf 137x89 152 192" "goat 105x97 24 160" "cabbage 65x57 80 224"
  scene "$preview/river-far.png" "oldman 75x60 320 94" "wolf 60x40 370 64" "goat 50x50 320 56" "cabbage 25x25 345 84"
  # Balls at the start layout plus one in the exit cell and one in the niche.
  draw=""
  lefts=(22 55 89 123 158 192 225 259 294 328 362 395 429 463 498 539)
  layout="...YYYY.GGGG...Y"
  for k in $(seq 0 15); do
    c="${layout:$k:1}"; [ "$c" = . ] && continue
    colour=$([ "$c" = Y ] && echo '#ffe03a' || echo '#3cc04a')
    x=$(( lefts[k] - 16 + 14 ))
    draw+="fill '$colour' stroke black ellipse $x,51 13.5,13.5 0,360 "
  done
  draw+="fill '#3cc04a' stroke black ellipse 257,19 13.5,13.5 0,360"
  convert "$pictures/tube.bmp" -draw "$draw" "$preview/tube.png"
  for f in goat cabbage wolf oldman; do convert "$pictures/$f.bmp" "$preview/$f.png"; done
  convert "$icons/icon48.png" "$preview/icon48.png"
fi
echo "art written to $pictures, $icons and $packaging_icons"
