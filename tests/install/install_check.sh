#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, checks that every file lands
# where the freedesktop conventions put it, validates the desktop entry and
# the AppStream metadata, and starts the installed program from another
# folder under a virtual X server until its window shows, with the window
# class its desktop entry names, and under a Wayland compositor, where its
# window must announce the desktop entry's name as its application id.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in \
  bin/quivalo \
  share/applications/org.quivalo.Quivalo.desktop \
  share/metainfo/org.quivalo.Quivalo.metainfo.xml \
  share/icons/hicolor/32x32/apps/org.quivalo.Quivalo.png \
  share/icons/hicolor/64x64/apps/org.quivalo.Quivalo.png \
  "share/quivalo/Hilfe zu Quivalo.HLP" \
  share/doc/quivalo/copyright; do
  [ -s "$prefix/$f" ] || fail "$f not installed"
done
[ -x "$prefix/bin/quivalo" ] || fail "bin/quivalo is not executable"

desktop-file-validate "$prefix/share/applications/org.quivalo.Quivalo.desktop" ||
  fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.quivalo.Quivalo.metainfo.xml" ||
  fail "AppStream metadata"

"$(dirname "$0")/window_shows.sh" "$prefix/bin/quivalo" \
  "$prefix/share/applications/org.quivalo.Quivalo.desktop" ||
  fail "the installed program shows no window, or not as its desktop entry says"
"$(dirname "$0")/wayland_app_id.sh" "$prefix/bin/quivalo" \
  "$prefix/share/applications/org.quivalo.Quivalo.desktop" ||
  fail "under Wayland the installed program's window does not name its desktop entry"
echo "install check passed"
