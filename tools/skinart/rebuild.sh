#!/usr/bin/env bash
# Rebuilds the Birch skin from its sources: draws the bitmaps, writes
# Options.dat into resources/skin/Birch/, packs resources/skins/Birch.asz
# (Options.dat, ButtonHuge.bmp, Master.bmp, tl.bmp in this order) and checks
# the pack with the real skin loaders. Previews go to BUILD_DIR/skinart-preview.
#
#   tools/skinart/rebuild.sh [BUILD_DIR]      (default: build)
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath -m "${1:-$repo/build}")"
out="$repo/resources/skin/Birch"
pack="$repo/resources/skins/Birch.asz"
preview="$build/skinart-preview"

cmake -S "$repo" -B "$build" -G Ninja >/dev/null
ninja -C "$build" -j"${JOBS:-2}" skinart skinpack
mkdir -p "$out" "$(dirname "$pack")" "$preview"
"$build/tools/skinart/skinart" "$repo/resources/skin/Birch.options" "$out" "$preview"
"$build/tools/skinpack/skinpack" pack "$out" "$pack" Options.dat ButtonHuge.bmp Master.bmp tl.bmp
"$build/tools/skinpack/skinpack" check "$pack"
echo "Birch rebuilt: $pack (previews in $preview)"
