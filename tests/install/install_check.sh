#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and builds its Debian package.
# Both hold exactly the files the freedesktop conventions ask for; the package
# is in section games, depends on what the window needs at run time and holds
# a stripped program; the desktop entry and the AppStream metadata are valid;
# and the installed and the packaged program each start from another folder
# as their desktop entry says (shows.sh).
#   install_check.sh BUILD DESKTOP-ID HELP-FILE TITLE
set -euo pipefail
build=$1 id=$2 help=$3 title=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/package"
files=$(printf '%s\n' ./bin/quivalo "./share/applications/$id.desktop" \
  ./share/doc/quivalo/copyright ./share/icons/hicolor/{32x32,64x64}/apps/"$id.png" \
  "./share/metainfo/$id.metainfo.xml" "./share/quivalo/$help")
for tree in "$work/usr" "$work/package/usr"; do
  [ "$(cd "$tree" && find . -type f -size +0 | sort)" = "$files" ] || fail "$tree holds other files"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
# (Debian 13 names the Qt libraries with t64, for their 64-bit time.)
for need in libqt6widgets6 libqt6gui6 libqt6core6 qt6-translations-l10n fonts-liberation; do
  dpkg-deb -f "$deb" Depends | grep -Eq "(^|, )$need(t64)?( |,|$)" || fail "Depends lacks $need"
done
# Each icon has its folder's size; what the entry, the metadata and the
# copyright file name is installed.
share=$work/usr/share
for size in 32 64; do
  file "$share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q ", $size x $size," ||
    fail "the ${size}x$size icon has another size"
done
[ -e "$share/icons/hicolor/64x64/apps/$(sed -n 's/^Icon=//p' "$share/applications/$id.desktop").png" ] ||
  fail "the desktop entry names an icon that is not installed"
[ -x "$work/usr/bin/$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$share/metainfo/$id.metainfo.xml")" ] ||
  fail "the metadata names a program that is not installed"
for named in $(sed -n 's/^Files: \(usr\/.*\)/\1/p' "$share/doc/quivalo/copyright"); do
  [ -e "$work/$named" ] || fail "the copyright file names $named, which is not installed"
done
! readelf -S "$work/package/usr/bin/quivalo" | grep -q '\.symtab' || fail "the packaged program is not stripped"
entry=$work/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop entry"
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" || fail "AppStream metadata"
for program in "$work/usr/bin/quivalo" "$work/package/usr/bin/quivalo"; do
  "$(dirname "$0")/shows.sh" "$program" "$entry" "$help" "$title" ||
    fail "$program does not start as its desktop entry says"
done
echo "install check passed"
