#!/usr/bin/env bash
# Installs the Debian packages the project builds, runs and tests with.
# Only what is missing is installed; needs root or sudo for that.
#   scripts/setup-deps.sh          build, run, test, install and package
#   scripts/setup-deps.sh --fuzz   the same and clang with libFuzzer
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config mold ccache python3
  libsdl2-dev zlib1g-dev libjpeg-dev libpng-dev libfreetype-dev libfontconfig-dev
  fonts-liberation2 fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev
  xvfb xdotool x11-utils x11-xkb-utils xkb-data imagemagick xcompmgr openbox
  desktop-file-utils appstream lintian
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
