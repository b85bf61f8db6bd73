#!/usr/bin/env bash
# Starts the built game on a real X server (a virtual one) and checks that
# its window comes up 642 by 438, fixed in size, with no maximise button.
# The offscreen suites cannot see a missing platform plug-in, font or
# picture; this can. Usage: real_display.sh path/to/kesto
set -euo pipefail

if [[ ${1:-} != --inside ]]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$0" --inside "$1"
fi
kesto=$2
log=$(mktemp)
"$kesto" 2>"$log" &
game=$!
trap 'kill "$game" 2>/dev/null || true; rm -f "$log"' EXIT

fail() {
    echo "FAIL: $*"
    echo "--- what the game printed:"
    cat "$log"
    exit 1
}

# The toolkit keeps hidden helper windows of the same name; the game's
# window is the one that is mapped.
shown_window() {
    local candidate
    for candidate in $(xwininfo -root -tree | awk '/"Kesto":/ { print $1 }'); do
        if xwininfo -id "$candidate" | grep -q 'Map State: IsViewable'; then
            echo "$candidate"
            return
        fi
    done
}

window=""
for _ in $(seq 100); do
    window=$(shown_window)
    [[ -z $window ]] || break
    kill -0 "$game" 2>/dev/null || fail "the game ended before its window appeared"
    sleep 0.1
done
[[ -n $window ]] || fail "no window titled Kesto was mapped within 10 s"

info=$(xwininfo -id "$window")
width=$(awk '/Width:/ { print $2 }' <<<"$info")
height=$(awk '/Height:/ { print $2 }' <<<"$info")
[[ $width == 642 && $height == 438 ]] || fail "the window is ${width}x${height}, not 642x438"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q 'minimum size: 642 by 438' <<<"$hints" || fail "no fixed minimum size: $hints"
grep -q 'maximum size: 642 by 438' <<<"$hints" || fail "no fixed maximum size: $hints"

# The window manager hints: functions and decorations, as numbers. The
# maximise function is bit 16, the maximise button bit 64.
motif=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
IFS=', ' read -r flags functions decorations _ <<<"$motif"
(((flags & 1) && !(functions & 16))) || fail "maximising is allowed: $motif"
(((flags & 2) && !(decorations & 64))) || fail "a maximise button is shown: $motif"
((decorations & 32)) || fail "no minimise button: $motif"

if grep -qiE 'could not|cannot|failed|missing' "$log"; then
    fail "the game reported a problem"
fi
echo "PASS: window $window is 642x438, fixed, minimise and close but no maximise"
