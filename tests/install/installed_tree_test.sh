#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop gets: the
# program, stripped; a menu entry that desktop-file-validate accepts (Russian
# name, category Education, the action «Крупно» at twice the size); the house
# icon at 16 to 256 pixels and scalable in the hicolor theme; AppStream
# metainfo that appstreamcli accepts, naming the menu entry and a Russian
# summary; the manual page in English and Russian; the copyright and the
# changelog. Then the installed program is started on a private X server.
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
# «Крупно»: the same program at twice the size, for a projector.
grep -qx 'Actions=Large;' "$desktop" || fail "the menu entry has no action Large"
grep -qx 'Name=Крупно' "$desktop" || fail "the menu entry's action is not named Крупно"
grep -qx 'Exec=env TRAINER_SCALE=2 puzzle-trainer' "$desktop" || fail "Крупно does not start the program at 2x"
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (scripts/setup-deps.sh installs it)"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"

for size in 16 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/puzzle-trainer.png"
  [ -f "$icon" ] || fail "no ${size}-pixel icon"
  got=$(identify -format '%wx%h' "$icon")
  [ "$got" = "${size}x${size}" ] || fail "the ${size}-pixel icon is $got"
done
svg="$prefix/share/icons/hicolor/scalable/apps/puzzle-trainer.svg"
[ -f "$svg" ] || fail "no scalable icon"
grep -q '<svg' "$svg" || fail "the scalable icon is no SVG picture"

# Stripped: no symbol table, no debug information.
if readelf -S "$prefix/bin/puzzle-trainer" | grep -qE '\.(symtab|debug_info)'; then
  fail "the installed program is not stripped"
fi

metainfo=$(find "$prefix/share/metainfo" -name '*.metainfo.xml' 2>/dev/null | head -n1)
[ -n "$metainfo" ] || fail "no AppStream metainfo in share/metainfo/"
command -v appstreamcli >/dev/null || fail "appstreamcli is missing (scripts/setup-deps.sh installs it)"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -q '<launchable type="desktop-id">puzzle-trainer.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not name the menu entry"
grep -q '<summary xml:lang="ru">' "$metainfo" || fail "the metainfo has no Russian summary"

for page in share/man/man6/puzzle-trainer.6.gz share/man/ru/man6/puzzle-trainer.6.gz; do
  [ -f "$prefix/$page" ] || fail "no manual page $page"
  gzip -dc "$prefix/$page" | grep -q '^\.TH PUZZLE-TRAINER 6' || fail "$page is no section 6 manual page"
done
gzip -dc "$prefix/share/man/ru/man6/puzzle-trainer.6.gz" | grep -q 'ОПИСАНИЕ' || fail "the Russian manual page is not Russian"
for doc in copyright changelog.gz; do
  [ -f "$prefix/share/doc/puzzle-trainer/$doc" ] || fail "no $doc in share/doc/puzzle-trainer/"
done

# Nothing else: no libraries or headers.
count=$(find "$prefix" -type f | wc -l)
[ "$count" -eq 14 ] || { find "$prefix" -type f >&2; fail "$count files installed, 14 expected"; }

"$smoke" "$prefix/bin/puzzle-trainer"
echo "install: the installed tree holds the stripped program, its menu entry, icons, metainfo, manual pages and documents, and the program starts"
