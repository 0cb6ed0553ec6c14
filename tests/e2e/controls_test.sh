#!/usr/bin/env bash
# The controls of the real game in a real X server: a game played with a pad
# (a FIFO the display library reads as one) and replayed without it, keys
# moved by a settings file, pause, focus loss, mute, the --controls listing,
# and recordings of the format before and of one that goes astray.
#   controls_test.sh <case> <executable> <build-folder> <pad-shim> <data-folder>
set -euo pipefail
case_name=$1
executable=$2
build=$3
shim=$4
data=$5
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

# No settings file of the machine's: each case says what it has.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/quillo-zoruri"
settings="$XDG_CONFIG_HOME/quillo-zoruri/settings.conf"

# The band "Paused" stands on, in the middle of the frame.
paused_band="share 300 275 500 325 16,16,48 min 0.5"
no_paused_band="share 300 275 500 325 16,16,48 max 0.05"

# Replays a recording to its end: exit code 0 and no word of going astray.
expect_replay_ends_well() {
    game_args=(--replay "$1")
    start_game "$executable" "$build" dummy
    wait_for_exit 60
    cat "$work/stderr"
    [[ "$game_status" == 0 ]] || fail "the replay of $1 ended with exit code $game_status"
    ! grep -qE 'another state|astray' "$work/stderr" || fail "the replay of $1 went astray"
}

# The audio written so far, in whole samples.
audio_bytes() {
    local bytes
    bytes=$(stat -c %s "$work/audio.raw")
    echo $((bytes / 4 * 4))
}

# Opens another window, xeyes, and gives it the focus: $eyes, $other.
focus_elsewhere() {
    xeyes &
    eyes=$!
    other=""
    for ((i = 0; i < 50; i++)); do
        other=$(xdotool search --class xeyes 2>/dev/null | head -n 1 || true)
        [[ -n "$other" ]] && break
        sleep 0.1
    done
    [[ -n "$other" ]] || fail "xeyes has no window"
    xdotool windowfocus --sync "$other"
}

# Starts a game and plays into the Forest.
start_playing() {
    start_game "$executable" "$build" "${1:-disk}"
    wait_for_window
    sleep 1
    press s
    sleep 6
}

[[ "$case_name" == listing ]] || start_xvfb

case "$case_name" in
    pad)
        fifo="$work/pad"
        mkfifo "$fifo"
        # Held open both ways, so the game's opening it never waits for a writer.
        exec 3<>"$fifo"
        pad() { python3 "$e2e_dir/pad_events.py" "$fifo" "$@"; }
        tap() {
            pad "button:$1:down"
            sleep 0.3
            pad "button:$1:up"
            sleep 0.3
        }
        game_args=(--record "$work/pad.replay")
        SDL_JOYSTICK_DEVICE="$fifo" SDL_LINUX_JOYSTICK="'Quillo Test Pad' 2 1 0" \
            QZ_TEST_PAD="$fifo" LD_PRELOAD="$shim" start_game "$executable" "$build" dummy
        wait_for_window
        sleep 1
        grep -qx 'quillo-zoruri: playing with the pad "Quillo Test Pad" (2 axes, 1 hat, 12 buttons)' \
            "$work/stderr" || fail "no line naming the pad: $(cat "$work/stderr")"
        note "the pad's buttons open the instructions, leave them and start a game"
        tap 3
        screenshot instructions
        frame_check instructions "count 200 40 600 136 32,156,217 max 50"
        tap 6
        expect_title title
        tap 7
        sleep 6
        screenshot forest
        frame_check forest "share 0 0 800 50 255,0,0 min 0.5" "share 0 50 800 450 green min 0.3"
        note "the hat and the stick walk, button 0 drops"
        pad hat:right
        sleep 1
        pad hat:centre axis:1:-20000
        sleep 0.5
        pad axis:1:2000
        tap 0
        note "a pad that goes away lets go of what it held in the next turn"
        # The stick pushed left; the pad pulled out while the game is stopped,
        # and Down pressed on the keyboard: the first turn after reads both.
        unplug_with_down() {
            pad axis:0:-30000
            sleep 0.5
            kill -STOP "$game_pid"
            rm "$fifo"
            xdotool keydown Down
            sleep 0.3
            kill -CONT "$game_pid"
            sleep 0.3
            xdotool keyup Down
            sleep 0.3
        }
        unplug_with_down
        grep -q 'the pad "Quillo Test Pad" .* went away; what it held is let go' "$work/stderr" ||
            fail "no word of the pad going away"
        note "a pad plugged in again is opened and walks"
        mkfifo "$work/pad-again"
        exec 3<>"$work/pad-again"
        mv "$work/pad-again" "$fifo"
        for ((i = 0; i < 30; i++)); do
            (($(grep -c 'playing with the pad "Quillo Test Pad"' "$work/stderr") == 2)) && break
            sleep 0.1
        done
        (($(grep -c 'playing with the pad "Quillo Test Pad"' "$work/stderr") == 2)) ||
            fail "the pad plugged in again was not opened: $(cat "$work/stderr")"
        unplug_with_down
        (($(grep -c 'went away; what it held is let go' "$work/stderr") == 2)) ||
            fail "no word of the pad going away the second time"
        quit_with_escape
        exec 3>&-
        for words in 'D=Instructions' 'D=Quit' 'D=Start' 'P=Right' 'P=Up' 'D=Drop' 'P=Left'; do
            grep -q "$words" "$work/pad.replay" || fail "the pad's game holds no $words"
        done
        # The turns Down went down in: the stick's Left let go in the same
        # turn, and held again by the pad plugged in between them.
        downs=$(grep -nE '^t .*D=([A-Za-z]+,)*Down' "$work/pad.replay" || true)
        [[ $(wc -l <<<"$downs") == 2 && "$downs" != *Left* ]] ||
            fail "the pad's stick was still held in the turn after it went away: $downs"
        first=$(head -n 1 <<<"$downs" | cut -d: -f1)
        second=$(tail -n 1 <<<"$downs" | cut -d: -f1)
        sed -n "$((first + 1)),$((second - 1))p" "$work/pad.replay" | grep -q '^t .*P=Left' ||
            fail "the pad plugged in again did not walk"
        # The turn before Escape: nothing held, though the stick was pushed left when the pad went.
        # Turn lines only: a digest line (every hundred turns) may fall among the last ones.
        [[ $(grep '^t ' "$work/pad.replay" | tail -n 2 | head -n 1) == "t P=-"* ]] ||
            fail "the pad's stick is still held after it went away"
        note "the pad's game replays without a pad"
        expect_replay_ends_well "$work/pad.replay"
        ;;
    settings)
        printf '# mine\nleft = A\njump = J\n' >"$settings"
        game_args=(--record "$work/a.replay")
        start_playing dummy
        [[ $(stderr_lines) == 1 ]] || fail "$(stderr_lines) lines on stderr, not 1"
        grep -qx "quillo-zoruri: warning: $settings line 3: no setting is called \"jump\"" \
            "$work/stderr" || fail "the bad line is not named: $(cat "$work/stderr")"
        note "A walks left, the Left arrow no longer does"
        press a
        press Left
        quit_with_escape
        grep -q '^t D=Left P=Left' "$work/a.replay" || fail "A did not walk left"
        [[ $(grep -c 'Left' "$work/a.replay") -le 12 ]] || fail "the Left arrow still walks left"
        note "the recording holds words: it replays without the settings file"
        rm "$settings"
        expect_replay_ends_well "$work/a.replay"
        ;;
    pause)
        start_playing
        press Right
        note "P pauses: the frame shows it and stands still, the sound stops"
        press p
        sleep 0.5
        screenshot paused
        frame_check paused "$paused_band" "share 0 0 800 50 255,0,0 min 0.5"
        from=$(audio_bytes)
        sleep 3
        screenshot still-paused
        to=$(audio_bytes)
        [[ $(compare -metric AE "$work/paused.ppm" "$work/still-paused.ppm" null: 2>&1) == 0 ]] ||
            fail "the paused frame changed"
        python3 "$e2e_dir/audio_check.py" --silent "$work/audio.raw" 0 0 "$to" "$from" ||
            fail "sound went on while paused"
        note "P again resumes"
        press p
        sleep 0.5
        screenshot resumed
        frame_check resumed "$no_paused_band" "share 0 50 800 450 green min 0.3"
        quit_with_escape
        ;;
    focus)
        start_playing dummy
        note "another window takes the focus: the game pauses"
        focus_elsewhere
        sleep 0.5
        screenshot unfocused
        frame_check unfocused "$paused_band"
        note "the focus back does not resume; P does"
        xdotool windowfocus --sync "$window"
        sleep 0.5
        screenshot focused
        frame_check focused "$paused_band"
        press p
        sleep 0.5
        screenshot resumed
        frame_check resumed "$no_paused_band"
        kill "$eyes"
        wait "$eyes" 2>/dev/null || true
        quit_with_escape
        note "a settings file can keep the game going without the focus"
        printf 'pause-on-focus-loss = no\n' >"$settings"
        start_playing dummy
        focus_elsewhere
        sleep 0.5
        screenshot kept-going
        frame_check kept-going "$no_paused_band"
        kill "$eyes"
        wait "$eyes" 2>/dev/null || true
        quit_with_escape
        ;;
    mute)
        start_game "$executable" "$build"
        wait_for_window
        sleep 1.5
        note "M silences the title's music at once, M again brings it back"
        press m
        sleep 0.3
        from=$(audio_bytes)
        sleep 2
        to=$(audio_bytes)
        press m
        sleep 0.3
        again=$(audio_bytes)
        sleep 2
        last=$(audio_bytes)
        expect_title title
        quit_with_escape
        python3 "$e2e_dir/audio_check.py" --silent "$work/audio.raw" 0 0 "$to" "$from" ||
            fail "sound while muted"
        python3 "$e2e_dir/audio_check.py" "$work/audio.raw" 1000 4410 "$last" "$again" ||
            fail "no sound after unmuting"
        ;;
    listing)
        listing() {
            game_status=0
            env -u DISPLAY "$executable" --controls "$@" >"$work/stdout" 2>"$work/stderr" ||
                game_status=$?
            [[ "$game_status" == 0 ]] || fail "--controls: exit code $game_status"
            cat "$work/stdout"
        }
        listing
        grep -qE '^left = Left pad:hat-left pad:axis0- +# default$' "$work/stdout" ||
            fail "the default left is not listed"
        grep -qE '^pause = P pad:button9 +# default$' "$work/stdout" || fail "no pause"
        printf 'drop = Space pad:button2\n' >"$settings"
        listing
        grep -qE "^drop = Space pad:button2 +# $settings line 1$" "$work/stdout" ||
            fail "the file's drop is not listed with its line"
        note "the listing is a settings file: read back, it lists the same"
        cp "$work/stdout" "$work/listed.conf"
        listing --settings "$work/listed.conf"
        diff <(sed 's/ *#.*//' "$work/listed.conf") <(sed 's/ *#.*//' "$work/stdout") ||
            fail "the listing read back lists otherwise"
        [[ $(stderr_lines) == 0 ]] || fail "the listing read back warns: $(cat "$work/stderr")"
        note "a line that would retitle the terminal is quoted, not obeyed"
        printf 'left = \033]0;owned\007\n' >"$settings"
        listing
        ! LC_ALL=C grep -qP '[\x00-\x09\x0b-\x1f\x7f]' "$work/stderr" ||
            fail "a control byte reached stderr"
        grep -qF 'called "\x1b]0;owned\x07"' "$work/stderr" || fail "the line is not quoted"
        ;;
    recordings)
        note "a recording of the format before still plays"
        expect_replay_ends_well "$data/v1-forest-walk.replay"
        note "a recording with one changed turn stops at the next digest, naming it"
        game_args=(--record "$work/game.replay")
        start_playing dummy
        xdotool keydown Right
        sleep 5
        xdotool keyup Right
        quit_with_escape
        turn=$(grep -v '^c ' "$work/game.replay" | grep -n '^t P=Right$' | sed -n 20p | cut -d: -f1)
        turn=$((turn - 1))
        [[ $turn -gt 100 ]] || fail "walking right began at turn $turn"
        awk -v turn="$turn" '/^t/ { n++ } /^t/ && n == turn { $0 = "t P=Left" } { print }' \
            "$work/game.replay" >"$work/changed.replay"
        game_args=(--replay "$work/changed.replay")
        start_game "$executable" "$build" dummy
        wait_for_exit 60
        cat "$work/stderr"
        stop=$(((turn + 99) / 100 * 100))
        [[ "$game_status" == 3 ]] || fail "exit code $game_status, not 3"
        grep -qE "went astray by turn $stop: the state's digest is [0-9a-f]{16}, the recording's [0-9a-f]{16}$" \
            "$work/stderr" || fail "the replay did not stop at turn $stop"
        ;;
    *)
        fail "unknown case $case_name"
        ;;
esac
note "passed"
