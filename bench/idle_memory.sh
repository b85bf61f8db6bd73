#!/usr/bin/env bash
# What the idle game window holds in memory: starts the built game and an
# empty Qt window of the same size (empty_window) on a private X server
# (Xvfb, on a display it picks free itself), lets them settle, and prints
# the resident memory of each and their ratio. The computer's engine is
# made only when a game against it begins, so the idle game should stay
# within 1.3 times the empty window. A measurement, not a test.
#
# Usage: bench/idle_memory.sh [BUILD_DIR (default build)]
set -euo pipefail

if [[ ${1:-} == --help || ${1:-} == -h ]]; then
    sed -n '2,9p' "$0" | cut -c3-
    exit 0
fi
if (($# > 1)); then
    echo "idle_memory: at most one argument, BUILD_DIR (see --help)" >&2
    exit 2
fi
build=${1:-build}
for program in "$build/kesto" "$build/empty_window"; do
    [[ -x $program ]] || { echo "idle_memory: $program is not built" >&2; exit 1; }
done

source "$(dirname "$0")/private_display.sh"
start_private_display idle_memory

"$build/kesto" >/dev/null 2>&1 &
game=$!
"$build/empty_window" >/dev/null 2>&1 &
empty=$!
pids+=("$game" "$empty")
sleep 3 # past start-up

resident() { awk '/^VmRSS:/ { print $2 }' /proc/"$1"/status; }
game_kib=$(resident "$game")
empty_kib=$(resident "$empty")
awk -v g="$game_kib" -v e="$empty_kib" 'BEGIN {
    printf "resident memory: the idle game %.1f MiB, an empty window of its size %.1f MiB, %.2f times as much (at most 1.30 wanted)\n",
           g / 1024, e / 1024, g / e }'
