#!/usr/bin/env bash
# The command line of the real game: help and version without a display,
# mistakes refused with their line and the usage, the data folder, full
# screen, scaling, a recorded game replayed to the same end, recordings
# that cannot be written or are left without their end, and a huge one.
#   options_test.sh <case> <executable> <build-folder>
set -euo pipefail
case_name=$1
executable=$2
build=$3
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

# run_plain <args...>: runs the game to its end without a display; exit code
# in $game_status, output in $work/stdout and $work/stderr.
run_plain() {
    game_status=0
    (cd "$work" && env -u DISPLAY SDL_AUDIODRIVER=dummy timeout 10 "$executable" "$@") \
        >"$work/stdout" 2>"$work/stderr" || game_status=$?
}

# expect_usage_error <pattern> <args...>: exit code 2, the mistake named on
# the first line of stderr and the usage on the second, nothing else.
expect_usage_error() {
    local pattern=$1
    shift
    run_plain "$@"
    [[ "$game_status" == 2 ]] || fail "$*: exit code $game_status, not 2"
    [[ $(stderr_lines) == 2 ]] || fail "$*: $(stderr_lines) lines on stderr, not 2"
    head -n 1 "$work/stderr" | grep -qE -- "$pattern" || fail "$*: $(head -n 1 "$work/stderr")"
    sed -n 2p "$work/stderr" | grep -q '^usage: quillo-zoruri' || fail "$*: no usage line"
}

# expect_one_line <status> <pattern>: that exit code and one matching line.
expect_one_line() {
    local status=$1 pattern=$2
    cat "$work/stderr"
    [[ "$game_status" == "$status" ]] || fail "exit code $game_status, not $status"
    [[ $(stderr_lines) == 1 ]] || fail "$(stderr_lines) lines on stderr, not 1"
    grep -qE -- "$pattern" "$work/stderr" || fail "stderr does not say $pattern"
}

# The title, through a screenshot of the window or the screen, with its blue
# texts in the given rectangle.
expect_title_in() {
    local name=$1 whose=$2 box=$3 least=$4
    screenshot "$name" "$whose"
    frame_check "$name" "count $box 32,156,217 min $least"
}

case "$case_name" in
    help)
        run_plain --help
        [[ "$game_status" == 0 ]] || fail "--help: exit code $game_status"
        for word in --help --version --data --fullscreen --scale --record --replay F11 \
            Alt+Enter Escape graphics/; do
            grep -q -- "$word" "$work/stdout" || fail "--help does not mention $word"
        done
        # The manual page lists every option too.
        for option in help version data fullscreen scale record replay; do
            grep -q -- "--$option" <(sed 's/\\-/-/g' "$e2e_dir/../../man/quillo-zoruri.6") ||
                fail "the manual page does not list --$option"
        done
        grep -q -- '-h, --help' "$work/stdout" || fail "--help does not mention -h"
        grep -qE -- '(^|[^-])-h([^a-z]|$)' <(sed 's/\\-/-/g' "$e2e_dir/../../man/quillo-zoruri.6") ||
            fail "the manual page does not list -h"
        # Asked for anywhere, even after a mistake, the help is what comes.
        run_plain --frobnicate stray -h
        [[ "$game_status" == 0 && ! -s "$work/stderr" ]] || fail "-h after mistakes: $game_status"
        grep -q -- '--replay' "$work/stdout" || fail "-h after mistakes shows no help"
        run_plain --version
        [[ "$game_status" == 0 ]] || fail "--version: exit code $game_status"
        grep -qx 'quillo-zoruri 1\.2' "$work/stdout" || fail "--version says $(cat "$work/stdout")"
        ;;
    bad-usage)
        expect_usage_error 'unknown option --frobnicate' --frobnicate
        expect_usage_error 'unexpected argument "foo"' foo
        expect_usage_error 'bad value "5" for --scale' --scale 5
        expect_usage_error 'bad value "two" for --scale' --scale=two
        expect_usage_error '--scale needs a value' --scale
        expect_usage_error '--fullscreen takes no value' --fullscreen=yes
        expect_usage_error 'cannot be used together' --record a --replay b
        ;;
    data)
        run_plain --data "$work/nowhere"
        expect_one_line 1 "data folder $work/nowhere: No such file"
        copy_game "$build" "$executable"
        rm "$work/copy/Souvenir Bold Italic.ttf"
        run_plain --data "$work/copy"
        expect_one_line 1 "data folder $work/copy: it has no \"Souvenir Bold Italic\.ttf\""
        # A complete folder, from a working directory that has no data.
        mkdir -p "$work/elsewhere"
        start_xvfb
        game_args=(--data "$build")
        start_game "$executable" "$work/elsewhere"
        wait_for_window
        sleep 1
        expect_title title
        quit_with_escape
        ;;
    scale)
        start_xvfb 1800x1300x24
        game_args=(--scale 2)
        start_game "$executable" "$build"
        wait_for_window
        expect_window_size 1600x1200
        sleep 1
        expect_title_in scaled window "400 80 1200 272" 400
        # Every game pixel is a 2 x 2 block: halving and doubling changes nothing.
        convert "$work/scaled.ppm" -sample 50% -sample 200% "$work/resampled.ppm"
        [[ $(compare -metric AE "$work/scaled.ppm" "$work/resampled.ppm" null: 2>&1) == 0 ]] ||
            fail "the scaled window is not made of 2 x 2 blocks"
        quit_with_escape
        note "full screen at 4 cannot be had: 2 can, centred, said in one line"
        game_args=(--fullscreen --scale 4)
        start_game "$executable" "$build" dummy
        wait_for_window
        sleep 1
        screenshot full root
        frame_check full "share 0 0 100 1300 0,0,0 min 0.99" \
            "share 100 50 1700 1250 0,0,0 max 0.2" "share 1700 0 1800 1300 0,0,0 min 0.99"
        quit_with_escape
        expect_one_line 0 "--scale 4 does not fit any full-screen mode; showing scale 2 instead"
        ;;
    scale-too-large)
        start_xvfb 1024x768x24
        game_args=(--scale 2)
        start_game "$executable" "$build" dummy
        wait_for_window
        expect_window_size 800x600
        sleep 1
        expect_title title
        quit_with_escape
        expect_one_line 0 "--scale 2 does not fit the 1024x768 screen; showing scale 1 instead"
        ;;
    fullscreen)
        # 800 x 600 cannot be had on a 1024 x 768 screen: centred, unscaled.
        start_xvfb 1024x768x24
        game_args=(--fullscreen)
        start_game "$executable" "$build"
        wait_for_window
        sleep 1
        expect_title_in full root "312 124 712 220" 100
        frame_check full "share 0 0 112 768 0,0,0 min 1" "share 912 0 1024 768 0,0,0 min 1"
        note "F11 goes back to a window, Alt+Enter to full screen again"
        press F11
        sleep 1
        screenshot windowed root
        # The window stands at the screen's corner, where full screen had its black border.
        frame_check windowed "share 0 0 112 600 0,0,0 max 0.5"
        expect_title title
        xdotool keydown alt keydown Return
        sleep 0.3
        xdotool keyup Return keyup alt
        sleep 1
        expect_title_in full-again root "312 124 712 220" 100
        quit_with_escape
        ;;
    record-replay)
        start_xvfb
        game_args=(--record "$work/game.replay")
        start_game "$executable" "$build"
        wait_for_window
        sleep 1
        press s
        sleep 5
        press Right
        press x
        press Left
        press F11
        sleep 0.5
        quit_with_escape
        grep -q '^end [0-9]* [0-9a-f]*$' "$work/game.replay" || fail "the recording has no end line"
        note "$(grep -c '^t' "$work/game.replay") turns recorded"
        game_args=(--replay "$work/game.replay")
        start_game "$executable" "$build"
        wait_for_exit 60
        cat "$work/stderr"
        [[ "$game_status" == 0 ]] || fail "the replay ended with exit code $game_status"
        grep -q 'another state' "$work/stderr" && fail "the replay went astray"
        note "a replay that ends elsewhere says so"
        sed -i 's/^\(end [0-9]*\) .*/\1 0000000000000000/' "$work/game.replay"
        start_game "$executable" "$build"
        wait_for_exit 60
        grep -q 'another state' "$work/stderr" || fail "no word of the changed final state"
        [[ "$game_status" == 3 ]] || fail "exit code $game_status, not 3"
        note "damaged and foreign files: one line, exit code 2"
        head -c 200 "$work/game.replay" >"$work/cut.replay"
        run_plain --replay "$work/cut.replay"
        expect_one_line 2 "cut.replay: (line [0-9]+ is damaged|the file is cut short)"
        head -n 5 "$work/game.replay" >"$work/lines.replay"
        run_plain --replay "$work/lines.replay"
        expect_one_line 2 "lines.replay: the file stops after line 5 without its end line"
        run_plain --replay "$executable"
        expect_one_line 2 "is not a Quillo Zoruri replay"
        run_plain --replay "$work/none.replay"
        expect_one_line 2 "cannot read the replay"
        ;;
    huge-replay)
        note "a 100 MB recording is read within a small multiple of its size: refused for its"
        note "missing end line in one line, under an address space of 1.5 GB"
        awk 'BEGIN { print "quillo-zoruri replay 2 seed 5"
                     for (i = 0; i < 10000000; i++) print "t P=- s=0" }' >"$work/huge.replay"
        game_status=0
        (ulimit -v 1500000 && cd "$work" && env -u DISPLAY SDL_AUDIODRIVER=dummy timeout 60 \
            "$executable" --replay "$work/huge.replay") >"$work/stdout" 2>"$work/stderr" ||
            game_status=$?
        rm "$work/huge.replay"
        expect_one_line 2 "huge.replay: the file stops after line 10000001 without its end line"
        ;;
    record-to-the-end)
        start_xvfb
        note "a full disk: one line, the game goes on, exit code 1"
        game_args=(--record /dev/full)
        start_game "$executable" "$build" dummy
        wait_for_window
        sleep 1
        press s
        sleep 5
        press Right
        screenshot playing
        frame_check playing "share 0 0 800 50 255,0,0 min 0.5" "share 0 50 800 450 green min 0.3"
        press Escape
        wait_for_exit 5
        expect_one_line 1 "cannot write the recording /dev/full: No space left on device"
        note "a game stopped by a signal still writes its end line"
        game_args=(--record "$work/stopped.replay")
        start_game "$executable" "$build" dummy
        wait_for_window
        sleep 1
        kill -TERM "$game_pid"
        wait_for_exit 5
        [[ "$game_status" == 0 ]] || fail "exit code $game_status after SIGTERM, not 0"
        grep -q '^end [0-9]* [0-9a-f]*$' <(tail -n 1 "$work/stopped.replay") ||
            fail "the stopped game's recording has no end line"
        note "a killed game cannot: its file is refused, and the message says why it may be"
        game_args=(--record "$work/killed.replay")
        start_game "$executable" "$build" dummy
        wait_for_window
        sleep 1
        kill -KILL "$game_pid"
        wait_for_exit 5
        run_plain --replay "$work/killed.replay"
        expect_one_line 2 "stops after line [0-9]+ without its end line: .* killed"
        ;;
    *)
        fail "unknown case $case_name"
        ;;
esac
note "passed"
