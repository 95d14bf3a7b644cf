#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder, checks its control fields
# and contents, unpacks it and starts the packaged program.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 qt6-translations-l10n fonts-liberation; do
  grep -q "$need" <<<"$depends" || fail "Depends lacks $need: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quivalo ./usr/share/applications/org.quivalo.Quivalo.desktop \
  ./usr/share/metainfo/org.quivalo.Quivalo.metainfo.xml \
  ./usr/share/icons/hicolor/32x32/apps/org.quivalo.Quivalo.png \
  "./usr/share/quivalo/Hilfe zu Quivalo.HLP" ./usr/share/doc/quivalo/copyright; do
  grep -qF "$f" <<<"$contents" || fail "package lacks $f"
done
! grep -q quivalo-scenario <<<"$contents" || fail "the package holds the developers' scenario tool"
dpkg-deb -x "$deb" "$work/root"
if readelf -S "$work/root/usr/bin/quivalo" | grep -q '\.symtab'; then
  fail "the packaged program is not stripped"
fi
"$(dirname "$0")/window_shows.sh" "$work/root/usr/bin/quivalo" || fail "the packaged program shows no window"
echo "package check passed"
