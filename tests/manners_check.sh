#!/usr/bin/env bash
# Every program of the benchmarks, and kesto-brain, answers --help with its
# usage (status 0) and a bad argument with one line on standard error and
# status 2, instead of running on regardless; an option without its value
# is named. A match whose engine cannot start is an error, not a game lost.
# Usage: manners_check.sh build-folder source-folder
set -euo pipefail
build=$1
source=$2
fail() { echo "FAIL: $*"; exit 1; }

# refused STATUS NAME BAD COMMAND...: COMMAND answers the arguments BAD with
# one line on standard error and STATUS; the line is kept in $said.
refused() {
    local want=$1 name=$2 bad=$3
    shift 3
    local err status
    err=$(mktemp)
    status=0
    # shellcheck disable=SC2086
    "$@" $bad </dev/null >"$err.out" 2>"$err" || status=$?
    ((status == want)) || fail "$name answers '$bad' with status $status, not $want"
    (($(wc -l <"$err") == 1)) || fail "$name answers '$bad' with $(wc -l <"$err") lines, not one"
    said=$(cat "$err")
    echo "$name: $said"
    rm -f "$err" "$err.out"
}

check() {
    local name=$1 bad=$2
    shift 2
    local out
    out=$("$@" --help 2>/dev/null) || fail "$name --help failed"
    grep -q 'Usage' <<<"$out" || fail "$name --help prints no usage"
    refused 2 "$name" "$bad" "$@"
}

# needs NAME OPTION COMMAND...: OPTION given last, without its value.
needs() {
    local name=$1 option=$2
    shift 2
    refused 2 "$name" "$option" "$@"
    grep -q -- "$option needs a value" <<<"$said" || fail "$name does not say that $option needs a value"
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
check eval_tune "--fast" "$build/eval_tune"
check empty_window "--fast" "$build/empty_window"
check idle_cost.sh "$build x" bash "$source/bench/idle_cost.sh"
check idle_memory.sh "$build x" bash "$source/bench/idle_memory.sh"
check balanced_openings.py "$build/brain_match engine lots" python3 "$source/bench/balanced_openings.py"
needs engine_bench --games "$build/engine_bench"
needs brain_match --time "$build/brain_match" a b
needs kesto-brain --level "$build/kesto-brain"
needs game_review --nodes "$build/game_review"
needs solver_bench --threats "$build/solver_bench"
needs eval_tune --rounds "$build/eval_tune"

# An engine that cannot start: status 1 (not a usage error), and no game
# played or scored.
refused 1 brain_match "--games 2 false $build/kesto-brain" "$build/brain_match"
grep -q "cannot start" <<<"$said" || fail "brain_match does not say the engine cannot start"
out=$("$build/brain_match" --games 2 false "$build/kesto-brain" 2>/dev/null || true)
[[ -z $out ]] || fail "brain_match scored a game against an engine that never started: $out"

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
