# Sourced by the idle benchmarks: start_private_display NAME starts a
# private X server (Xvfb) on a display it finds free itself, points DISPLAY
# at it, and gives the programs scratch folders for their settings and kept
# game, so that the player's own are neither read nor written. What is
# started goes in `pids` and is stopped on exit, with the scratch folder.
# NAME begins its messages.
start_private_display() {
    local name=$1
    scratch=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
    pids=("$!")
    trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT
    for _ in $(seq 100); do
        [[ -s $scratch/display ]] && break
        sleep 0.1
    done
    [[ -s $scratch/display ]] || { echo "$name: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n 1 "$scratch/display") QT_QPA_PLATFORM=xcb XDG_DATA_HOME=$scratch XDG_CONFIG_HOME=$scratch
}
