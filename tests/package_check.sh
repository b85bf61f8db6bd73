#!/usr/bin/env bash
# Builds the Debian package, checks its contents and dependencies, unpacks
# it and starts the unpacked game on a real X server.
# Usage: package_check.sh build-folder real_display.sh
set -euo pipefail
build=$1
real_display=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# The package installs its one component: the list of the user's own
# install, install_manifest.txt, is left alone.
manifest=$build/install_manifest.txt
before=$(cat "$manifest" 2>/dev/null || echo none)
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null || fail "cpack could not build the package"
[[ $(cat "$manifest" 2>/dev/null || echo none) == "$before" ]] || fail "packaging rewrote $manifest"
deb=$(find "$work" -maxdepth 1 -name 'kesto_*.deb' | head -n 1)
[[ -n $deb ]] || fail "no package was written"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation libc6; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/games/kesto ./usr/games/kesto-brain ./usr/share/applications/org.example.Kesto.desktop \
    ./usr/share/metainfo/org.example.Kesto.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/org.example.Kesto.png \
    ./usr/share/icons/hicolor/scalable/apps/org.example.Kesto.svg \
    ./usr/share/doc/kesto/copyright ./usr/share/doc/kesto/changelog.gz \
    ./usr/share/man/man6/kesto.6.gz ./usr/share/man/man6/kesto-brain.6.gz \
    ./usr/share/mime/packages/org.example.Kesto.xml; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "the package is not filed under games"
version=$(grep -m1 -o 'CMAKE_PROJECT_VERSION:STATIC=.*' "$build/CMakeCache.txt" | cut -d= -f2)
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "the package's version is not the project's $version"
description=$(dpkg-deb -f "$deb" Description)
(($(wc -l <<<"$description") > 3)) || fail "the package has no long description"
grep -qi computer <<<"$description" || fail "the description does not mention the computer opponent"

# What a distribution would check: no error and no warning from lintian
# (its remarks at the level of information are shown, not counted).
echo "lintian:"
lintian --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian reports errors or warnings"

dpkg-deb -x "$deb" "$work/root"
"$real_display" "$work/root/usr/games/kesto"
