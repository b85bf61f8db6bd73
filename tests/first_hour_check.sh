#!/usr/bin/env bash
# A newcomer's first hour, in a scratch clone: builds what scripts/play
# builds, installs with the README's command (into a scratch prefix), asks
# kesto-brain for a move as docs/engine.md does, builds the package, and then
# checks that no test or benchmark was built on the way, that the install
# list still names only the scratch prefix, and that the README's removal
# command removes exactly what was installed.
# Usage: first_hour_check.sh source-folder
set -euo pipefail
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

git clone -q "$source" "$scratch/kesto"
cd "$scratch/kesto"
scripts/build-game build >"$scratch/build.log" 2>&1 || { tail -n 30 "$scratch/build.log"; fail "scripts/build-game failed"; }

prefix=$scratch/prefix
cmake --install build --prefix "$prefix" >/dev/null || fail "cmake --install failed right after building the game"
reply=$(printf 'START 10\nBEGIN\nTURN 4,4\nEND\n' | build/kesto-brain)
grep -Eq '^[0-9],[0-9]$' <<<"$reply" || fail "kesto-brain gave no move: $reply"

(cd build && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack -G DEB failed"; }
ls build/kesto_*.deb >/dev/null 2>&1 || fail "no package was built"
for built in build/tests build/engine_bench build/brain_match build/empty_window; do
    [[ ! -e $built ]] || fail "$built was built for playing, installing or packaging"
done

manifest=build/install_manifest.txt
[[ -s $manifest ]] || fail "the install list is missing or empty"
if grep -v "^$prefix/" "$manifest"; then
    fail "the install list names files outside $prefix (above)"
fi
installed=$(find "$prefix" -type f | wc -l)
diff <(sort "$manifest") <(find "$prefix" -type f | sort) >&2 || fail "the install list names $(wc -l <"$manifest") files, $installed were installed (above)"
xargs -d '\n' rm -f <"$manifest"
left=$(find "$prefix" -type f)
[[ -z $left ]] || fail "the README's removal left: $left"
echo "PASS: built for playing ($installed files installed, no tests built), packaged, and the install list named and removed exactly the scratch install"
