#!/usr/bin/env bash
# Every program of the benchmarks, and kesto-brain, answers --help with its
# usage (status 0) and a bad argument with one line on standard error and a
# non-zero status, instead of running on regardless.
# Usage: manners_check.sh build-folder source-folder
set -euo pipefail
build=$1
source=$2
fail() { echo "FAIL: $*"; exit 1; }

check() {
    local name=$1 bad=$2
    shift 2
    local out err status
    out=$("$@" --help 2>/dev/null) || fail "$name --help failed"
    grep -q 'Usage' <<<"$out" || fail "$name --help prints no usage"
    err=$(mktemp)
    status=0
    "$@" $bad </dev/null >/dev/null 2>"$err" || status=$?
    ((status != 0)) || fail "$name accepts the bad argument '$bad'"
    (($(wc -l <"$err") == 1)) || fail "$name answers '$bad' with $(wc -l <"$err") lines, not one"
    echo "$name: $(cat "$err")"
    rm -f "$err"
}

check engine_bench "--games many" "$build/engine_bench"
check engine_bench "--level ninja" "$build/engine_bench"
check engine_bench "--moving sideways" "$build/engine_bench"
check engine_bench "200" "$build/engine_bench"
check engine_bench "--verdicts soon" "$build/engine_bench"
check brain_match "--time soon a b" "$build/brain_match"
check brain_match "only-one-engine" "$build/brain_match"
check kesto-brain "--level ninja" "$build/kesto-brain"
check game_review "--threats lots" "$build/game_review"
check solver_bench "--every 0" "$build/solver_bench"
check empty_window "--fast" "$build/empty_window"
check idle_cost.sh "$build x" bash "$source/bench/idle_cost.sh"
check idle_memory.sh "$build x" bash "$source/bench/idle_memory.sh"
check balanced_openings.py "$build/brain_match engine lots" python3 "$source/bench/balanced_openings.py"

# The game itself: usage and version without a display, and an unknown
# option refused with one line and status 2, also with Qt's own options.
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
 "$build/kesto" --help | grep -q '^Usage: kesto' || fail "kesto --help prints no usage without a display"
 "$build/kesto" --version | grep -Eq '^kesto [0-9]+\.[0-9]+\.[0-9]+$' || fail "kesto --version prints no version")
for bad in "--fast" "-platform offscreen --fast" "a.psq b.psq"; do
    err=$(mktemp)
    status=0
    # shellcheck disable=SC2086
    "$build/kesto" $bad >/dev/null 2>"$err" || status=$?
    ((status == 2)) || fail "kesto $bad exits with $status, not 2"
    (($(wc -l <"$err") == 1)) || fail "kesto answers '$bad' with $(wc -l <"$err") lines, not one"
    echo "kesto: $(cat "$err")"
    rm -f "$err"
done
echo "PASS: every benchmark program, kesto-brain and kesto mind their arguments"
