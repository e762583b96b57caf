#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Installs into a scratch root and builds the .deb, then checks both as a desktop and a packager
# would: the launcher entry, the icons, the AppStream metadata, the manual page, the package's
# dependencies, what Debian's checker says of it, and that its program starts.
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
id=org.ohmara.Ohmara
files=(bin/ohmara share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/man/man1/ohmara.1.gz share/doc/ohmara/changelog.gz share/doc/ohmara/copyright)

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null || fail "install"
root="$work/root/usr"
for size in 32 48 64 128 256; do
    files+=(share/icons/hicolor/${size}x$size/apps/$id.png)
    file "$root/${files[-1]}" | grep -q "$size x $size" || fail "no ${size}x$size icon"
done
out=$(zcat "$root/share/man/man1/ohmara.1.gz" | groff -ww -z -man 2>&1)
[ -z "$out" ] || fail "the manual page renders with warnings: $out"

# no errors, no warnings (hints and infos are advice only)
out=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1)
echo "$out" | grep -qiE 'error|warning' && fail "desktop entry: $out"
out=$(appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" 2>&1) || fail "metainfo: $out"
echo "$out" | grep -qE '^[EW]:' && fail "metainfo: $out"
grep -q "^Exec=ohmara$" "$root/share/applications/$id.desktop" || fail "Exec does not start the program"
grep -q "^Icon=$id$" "$root/share/applications/$id.desktop" || fail "Icon is not the installed one"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null 2>&1) || fail "cpack"
deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -1)
info=$(dpkg-deb -I "$deb") || fail "no .deb built"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2 qt6-qpa-plugins; do
    echo "$info" | grep -E '^ Depends:' | grep -q "$dep" || fail "the package does not depend on $dep"
done
echo "$info" | grep -q '^ Package: ohmara$' || fail "package name"
contents=$(dpkg-deb -c "$deb")
for f in "${files[@]}"; do
    echo "$contents" | grep -q " ./usr/$f\$" || fail "not in the package: $f"
done
out=$(lintian "$deb" 2>&1 | grep -E '^[EW]:') && fail "lintian: $out"
dpkg-deb -x "$deb" "$work/unpacked"
file "$work/unpacked/usr/bin/ohmara" | grep -q ', stripped' || fail "the packaged program is not stripped"
QT_QPA_PLATFORM=xcb dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/../app/realwindow.py" "$work/unpacked/usr/bin/ohmara" start \
    >"$work/start.log" 2>&1 || fail "the packaged program does not show its menu: $(cat "$work/start.log")"
echo "1 passed, 0 failed"
