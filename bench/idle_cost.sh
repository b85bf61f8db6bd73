#!/usr/bin/env bash
# What the game costs while it sits idle with its banner ticking: starts the
# built game, an empty Qt window of the same size and one that repaints a
# small square at the banner's pace, on a private X server (Xvfb), lets them
# settle, then reads the processor time each uses over a while, as a
# percentage of one core. A measurement, not a test.
#
# Usage: bench/idle_cost.sh [BUILD_DIR (default build)] [SECONDS (default 20)]
set -euo pipefail

if [[ ${1:-} == --help || ${1:-} == -h ]]; then
    sed -n '2,8p' "$0" | cut -c3-
    exit 0
fi
if (($# > 2)); then
    echo "idle_cost: at most two arguments, BUILD_DIR and SECONDS (see --help)" >&2
    exit 2
fi
build=${1:-build}
seconds=${2:-20}
for program in "$build/kesto" "$build/empty_window"; do
    [[ -x $program ]] || { echo "idle_cost: $program is not built" >&2; exit 1; }
done
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "idle_cost: SECONDS must be a whole number above 0" >&2; exit 2; }

source "$(dirname "$0")/private_display.sh"
start_private_display idle_cost

"$build/kesto" >/dev/null 2>&1 &
game=$!
"$build/empty_window" >/dev/null 2>&1 &
empty=$!
"$build/empty_window" --ticking >/dev/null 2>&1 &
ticking=$!
pids+=("$game" "$empty" "$ticking")
sleep 3 # past start-up

# Processor time of a process so far, all its threads, in nanoseconds.
ticks() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d\n", sum }'; }

game0=$(ticks "$game")
empty0=$(ticks "$empty")
ticking0=$(ticks "$ticking")
sleep "$seconds"
game1=$(ticks "$game")
empty1=$(ticks "$empty")
ticking1=$(ticks "$ticking")
percent() { awk -v t="$1" -v s="$seconds" 'BEGIN { printf "%.3f", 100 * t / 1e9 / s }'; }
echo "over $seconds s: the game $(percent $((game1 - game0)))% of a core," \
     "an empty window of its size $(percent $((empty1 - empty0)))%," \
     "one repainting a square at the banner's pace $(percent $((ticking1 - ticking0)))%"
