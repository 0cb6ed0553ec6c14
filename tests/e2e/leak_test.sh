#!/usr/bin/env bash
# The real game under valgrind over a played session (a replay: the title,
# a new game, the ship's arrival, a walk to a hole in Area Four, the fall,
# levitating out, a power zone): nothing lost, and nothing of the game's own
# still held at exit, so every picture, text, font and sound was freed.
#   leak_test.sh <executable> <build-folder>
set -euo pipefail
executable=$1
build=$2
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

command -v valgrind >/dev/null || fail "valgrind is not installed"

# turns <count> <line>: the same replay line <count> times.
turns() {
    local i
    for ((i = 0; i < $1; i++)); do
        echo "t $2"
    done
}
{
    echo "quillo-zoruri replay 1 seed 7"
    turns 3 "P=-"
    turns 1 "D=115 P=115"  # S
    turns 60 "P=-"         # the arrival
    turns 69 "P=276"       # Left, into Area Four
    turns 15 "P=273"       # Up, onto its hole 2
    turns 1 "D=120 P=120"  # X: the fall
    turns 30 "P=-"
    turns 1 "D=120 P=120"  # X: levitate
    turns 70 "P=273"
    turns 20 "P=275"
    turns 1 "D=122 P=122"  # Z
    turns 10 "P=-"
} >"$work/played.replay"
# Its end line holds the digest of the state the game reaches, learnt from a plain run.
echo "end $(grep -c '^t' "$work/played.replay") 0000000000000000" >>"$work/played.replay"
digest=$(SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$executable" --data "$build" \
    --replay "$work/played.replay" 2>&1 | sed -n 's/.*(digest \([0-9a-f]*\),.*/\1/p' || true)
[[ -n "$digest" ]] || fail "the replay did not play through"
sed -i "s/^end \([0-9]*\) .*/end \1 $digest/" "$work/played.replay"

status=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy valgrind --leak-check=full \
    --show-leak-kinds=all --errors-for-leak-kinds=definite,indirect,possible \
    --error-exitcode=99 --num-callers=40 --suppressions="$(dirname "$0")/library_globals.supp" \
    "$executable" --data "$build" --replay "$work/played.replay" \
    >"$work/stdout" 2>"$work/valgrind.txt" || status=$?
grep -E "(definitely|indirectly|possibly) lost:|still reachable:|ERROR SUMMARY" \
    "$work/valgrind.txt" || true
[[ "$status" == 0 ]] || { cat "$work/valgrind.txt" >&2; fail "exit code $status under valgrind"; }

# Memory still held at exit with one of the game's own functions on its
# allocation stack was never freed by the game.
held=$(awk '/loss record/ { record = $0; next }
            /qz::/ && record != "" { print record; record = "" }' "$work/valgrind.txt")
if [[ -n "$held" ]]; then
    cat "$work/valgrind.txt" >&2
    fail "the game still holds memory at exit: $held"
fi
note "passed"
