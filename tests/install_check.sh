#!/usr/bin/env bash
# Installs the built game into a scratch folder and checks what lands
# there: the program, the launcher, the metainfo and every icon, valid and
# of the right sizes, the game records' file type, and one version
# throughout. Usage: install_check.sh build-folder
set -euo pipefail
build=$1
id=org.example.Kesto
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Installed as one component, so that the list of the user's own install,
# install_manifest.txt, is left alone.
manifest=$build/install_manifest.txt
before=$(cat "$manifest" 2>/dev/null || echo none)
cmake --install "$build" --prefix "$prefix" --component kesto >/dev/null
[[ $(cat "$manifest" 2>/dev/null || echo none) == "$before" ]] || fail "installing rewrote $manifest"

[[ -x $prefix/games/kesto ]] || fail "no program at games/kesto"
[[ -x $prefix/games/kesto-brain ]] || fail "no tournament player at games/kesto-brain"
for page in kesto kesto-brain; do
    man=$prefix/share/man/man6/$page.6.gz
    [[ -f $man ]] || fail "no manual page $page(6)"
    zcat "$man" | grep -q '^\.TH' || fail "the manual page $page(6) is not a manual page"
done
[[ -f $prefix/share/doc/kesto/copyright ]] || fail "no copyright file"
zcat "$prefix/share/doc/kesto/changelog.gz" | head -n 1 | grep -q '^kesto (' || fail "no changelog"
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || fail "no launcher $desktop"
[[ -f $metainfo ]] || fail "no metainfo $metainfo"
grep -qx "Icon=$id" "$desktop" || fail "the launcher names another icon"
grep -qx "Categories=Game;BoardGame;" "$desktop" || fail "the launcher is not filed under games"
desktop-file-validate "$desktop" || fail "the launcher does not validate"
appstreamcli validate --no-net "$metainfo" || fail "the metainfo does not validate"

# Game records open with the game: the launcher takes a file, and the file
# type it names is registered for *.psq, in a file shared-mime-info takes
# without a word.
mime=$prefix/share/mime/packages/$id.xml
[[ -f $mime ]] || fail "no file type at $mime"
grep -qx 'Exec=kesto %f' "$desktop" || fail "the launcher's Exec takes no file"
grep -qx 'MimeType=application/x-gomoku-psq;' "$desktop" || fail "the launcher names no game record type"
checked=$prefix/mime-check
mkdir -p "$checked/mime/packages"
cp "$mime" "$checked/mime/packages/"
complaints=$(XDG_DATA_HOME=$checked update-mime-database "$checked/mime" 2>&1 >/dev/null) ||
    fail "update-mime-database refused the file type"
[[ -z $complaints ]] || fail "update-mime-database says: $complaints"
grep -q '^[0-9]*:application/x-gomoku-psq:\*\.psq$' "$checked/mime/globs2" || fail "*.psq is not registered"

# One version everywhere: the game's, the tournament player's, the
# metainfo's newest release, the manual pages' and the changelog's.
version=$("$prefix/games/kesto" --version | sed -n 's/^kesto //p')
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "kesto --version says '$version'"
printf 'ABOUT\nEND\n' | "$prefix/games/kesto-brain" | grep -q "version=\"$version\"" || fail "kesto-brain's ABOUT is not $version"
grep -m1 '<release ' "$metainfo" | grep -q "version=\"$version\"" || fail "the metainfo's newest release is not $version"
for page in kesto kesto-brain; do
    zcat "$prefix/share/man/man6/$page.6.gz" | head -n 1 | grep -q "\"Kesto $version\"" || fail "$page(6) is not of $version"
done
zcat "$prefix/share/doc/kesto/changelog.gz" | head -n 1 | grep -q "^kesto ($version)" || fail "the changelog's newest entry is not $version"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 22 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [[ -f $png ]] || fail "no ${size}-pixel icon"
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [[ $width == "$size" && $height == "$size" ]] || fail "the ${size}-pixel icon is ${width}x${height}"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
echo "PASS: installed programs, manual pages, copyright, changelog, launcher, metainfo, the game records' file type and icons at 16 to 256 pixels and scalable, all of version $version"
