#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop gets: the
# program, a menu entry that desktop-file-validate accepts (Russian name,
# category Education) and the house icon at 16, 32 and 48 pixels in the
# hicolor theme. Then the installed program is started on a private X server.
set -euo pipefail

build=${1:?usage: installed_tree_test.sh BUILD_DIR SMOKE_SCRIPT}
smoke=${2:?usage: installed_tree_test.sh BUILD_DIR SMOKE_SCRIPT}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "install: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/puzzle-trainer" ] || fail "no program in bin/"
desktop="$prefix/share/applications/puzzle-trainer.desktop"
[ -f "$desktop" ] || fail "no menu entry in share/applications/"
grep -qx 'Name=Тренажёр алгоритмов' "$desktop" || fail "the menu entry is not named Тренажёр алгоритмов"
grep -qx 'Categories=Education;' "$desktop" || fail "the menu entry is not in Education"
grep -qx 'Exec=puzzle-trainer' "$desktop" || fail "the menu entry does not start puzzle-trainer"
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (scripts/setup-deps.sh installs it)"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"

for size in 16 32 48; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/puzzle-trainer.png"
  [ -f "$icon" ] || fail "no ${size}-pixel icon"
  got=$(identify -format '%wx%h' "$icon")
  [ "$got" = "${size}x${size}" ] || fail "the ${size}-pixel icon is $got"
done

# Nothing but the program, the entry and the icons: no libraries or headers.
count=$(find "$prefix" -type f | wc -l)
[ "$count" -eq 5 ] || { find "$prefix" -type f >&2; fail "$count files installed, 5 expected"; }

"$smoke" "$prefix/bin/puzzle-trainer"
echo "install: the installed tree holds the program, its menu entry and icons, and the program starts"
