#!/usr/bin/env bash
# What the game does when something it needs is missing: a clear line on
# standard error and exit code 1, or, for sound, a warning and a silent game.
# Never a crash, never a hang.
#   startup_failures_test.sh <case> <executable> <build-folder>
set -euo pipefail
case_name=$1
executable=$2
build=$3
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

# run_to_end <folder> <executable>: runs the game to its end (10 s at most)
# with SDL's silent sound driver, which, unlike the disk driver, prints
# nothing of its own; the exit code in $game_status.
run_to_end() {
    local folder=$1 program=$2
    game_status=0
    (cd "$folder" && SDL_AUDIODRIVER=dummy timeout 10 "$program") \
        >"$work/stdout" 2>"$work/stderr" || game_status=$?
    note "exit code $game_status, stderr:"
    cat "$work/stderr"
}

# expect_refusal <pattern>: exit code 1 and exactly one line on stderr,
# matching the pattern.
expect_refusal() {
    local pattern=$1
    [[ "$game_status" == 1 ]] || fail "exit code $game_status, not 1"
    [[ $(stderr_lines) == 1 ]] || fail "$(stderr_lines) lines on stderr, not 1"
    grep -qiE -- "$pattern" "$work/stderr" || fail "stderr does not mention $pattern"
}

# expect_silent_play: the game shows its title and quits cleanly, after a
# warning on stderr matching <pattern>.
expect_silent_play() {
    local pattern=$1
    wait_for_window
    sleep 1
    expect_title title
    quit_with_escape
    grep -qiE -- "warning.*$pattern" "$work/stderr" || fail "no warning about $pattern"
}

case "$case_name" in
    no-display)
        (cd "$build" && env -u DISPLAY -u SDL_VIDEODRIVER -u WAYLAND_DISPLAY \
            timeout 10 "$executable") >"$work/stdout" 2>"$work/stderr" || game_status=$?
        cat "$work/stderr"
        expect_refusal "display"
        grep -q "Xvfb" "$work/stderr" || fail "the message does not say how to run under Xvfb"
        ;;
    no-data)
        # Neither the working directory nor the executable's folder has graphics/.
        if [[ -d /usr/local/share/quillo-zoruri/graphics ]]; then
            note "skipped: an installed copy in /usr/local would be found"
            exit 0
        fi
        mkdir -p "$work/alone"
        cp "$executable" "$work/alone/"
        run_to_end "$work/alone" "$work/alone/$(basename "$executable")"
        expect_refusal "graphics/.*$work/alone"
        ;;
    missing-font)
        copy_game "$build" "$executable"
        rm "$work/copy/Souvenir Bold Italic.ttf"
        start_xvfb
        run_to_end "$work/copy" "$work/copy/quillo-zoruri"
        expect_refusal "Souvenir Bold Italic\.ttf"
        ;;
    missing-picture)
        copy_game "$build" "$executable"
        rm "$work/copy/graphics/ship.bmp"
        start_xvfb
        run_to_end "$work/copy" "$work/copy/quillo-zoruri"
        expect_refusal "graphics/ship\.bmp"
        ;;
    corrupt-picture)
        # A bit count of 288 in the header: SDL 1.2 itself would crash on it.
        copy_game "$build" "$executable"
        printf '\x20\x01' | dd of="$work/copy/graphics/grass.bmp" bs=1 seek=28 conv=notrunc 2>/dev/null
        start_xvfb
        run_to_end "$work/copy" "$work/copy/quillo-zoruri"
        expect_refusal "graphics/grass\.bmp"
        ;;
    no-sound-device)
        copy_game "$build" "$executable"
        (cd "$work/copy" && find . -type f -exec md5sum {} + | sort) >"$work/before.md5"
        start_xvfb
        start_game "$work/copy/quillo-zoruri" "$work/copy" nosuchdriver
        expect_silent_play "sound"
        # Nothing was written beside the data either.
        (cd "$work/copy" && find . -type f -exec md5sum {} + | sort) >"$work/after.md5"
        diff -u "$work/before.md5" "$work/after.md5" || fail "the game changed its folder"
        ;;
    no-sound-card)
        # ALSA with a card that is not there: its own complaints stay off the
        # terminal, and our one warning is all the player reads.
        copy_game "$build" "$executable"
        start_xvfb
        ALSA_CARD=QuilloNoSuchCard start_game "$work/copy/quillo-zoruri" "$work/copy" alsa
        expect_silent_play "sound"
        [[ $(stderr_lines) == 1 ]] || fail "$(stderr_lines) lines on stderr, not 1"
        ;;
    missing-sound)
        copy_game "$build" "$executable"
        rm "$work/copy/drop.wav"
        start_xvfb
        start_game "$work/copy/quillo-zoruri" "$work/copy"
        expect_silent_play "drop\.wav"
        ;;
    *)
        fail "unknown case $case_name"
        ;;
esac
note "passed"
