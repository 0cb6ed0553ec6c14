# shellcheck shell=bash
# Helpers shared by the end-to-end tests: a private X server, the game
# started in it, real key events, screenshots and their checks.
# Sourced by the test scripts; they set -euo pipefail themselves.

e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillo-e2e.XXXXXX")
xvfb_pid=""
game_pid=""
game_status=""
window=""
# Options the game is started with.
game_args=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

note() {
    echo "-- $*"
}

cleanup() {
    local status=$?
    if [[ -n "$game_pid" ]] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    if [[ -n "$xvfb_pid" ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [[ ($status -ne 0 || -n "${E2E_KEEP:-}") && -n "${E2E_ARTIFACTS:-}" ]]; then
        # Keep the screenshots and logs of a failed run (or of any run, with
        # E2E_KEEP set) for a look.
        mkdir -p "$E2E_ARTIFACTS"
        cp -r "$work"/. "$E2E_ARTIFACTS"/ 2>/dev/null || true
        echo "artifacts kept in $E2E_ARTIFACTS" >&2
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# Starts Xvfb on a display number it picks itself (so tests can run side by
# side) and exports DISPLAY. SDL 1.2 needs the server not to reset when its
# last client leaves. The screen is 1024x768x24 unless another is given.
# shellcheck disable=SC2120
start_xvfb() {
    local screen=${1:-1024x768x24}
    local number_file="$work/display-number"
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "$screen" -noreset -nolisten tcp \
        3>"$number_file" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i
    for ((i = 0; i < 100; i++)); do
        if [[ -s "$number_file" ]]; then
            DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
            export DISPLAY
            note "Xvfb on $DISPLAY"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/xvfb.log" >&2
    fail "Xvfb did not start"
}

# start_game <executable> <working-dir> [audio-driver]: starts the game in
# the background, its output in $work/stdout and $work/stderr. Sound goes
# through SDL's disk driver into $work/audio.raw unless another driver is named.
start_game() {
    local executable=$1 folder=$2 driver=${3:-disk}
    # SDL_DISKAUDIODELAY: close to real time, one 1024-sample chunk is 23 ms.
    (cd "$folder" && SDL_AUDIODRIVER="$driver" SDL_DISKAUDIOFILE="$work/audio.raw" \
        SDL_DISKAUDIODELAY=20 exec "$executable" "${game_args[@]}") >"$work/stdout" 2>"$work/stderr" &
    game_pid=$!
    game_status=""
}

# Waits for the game's window, by its caption, into $window.
wait_for_window() {
    local i
    for ((i = 0; i < 100; i++)); do
        window=$(xdotool search --name '^Quillo Zoruri v1\.2$' 2>/dev/null | head -n 1 || true)
        if [[ -n "$window" ]]; then
            return 0
        fi
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/stderr" >&2
    fail "no window captioned \"Quillo Zoruri v1.2\""
}

# Checks the window's size.
expect_window_size() {
    local want=$1 geometry
    geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: *//p')
    [[ "$geometry" == "$want" ]] || fail "window is $geometry, not $want"
}

# Holds a key long enough for the game to see it held while it takes the
# key-down event (it reads the held-key array, not the event), then lets go.
press() {
    local key=$1
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool keydown "$key"
    sleep 0.3
    xdotool keyup "$key"
}

# screenshot <name> [window]: the window's content (or the whole screen,
# with "root") as $work/<name>.ppm and .png.
screenshot() {
    local name=$1 of=(-id "$window")
    [[ "${2:-}" == root ]] && of=(-root)
    xwd -silent "${of[@]}" >"$work/$name.xwd" || fail "cannot grab the window"
    convert "xwd:$work/$name.xwd" "ppm:$work/$name.ppm"
    convert "ppm:$work/$name.ppm" "png:$work/$name.png"
    rm -f "$work/$name.xwd"
}

# frame_check <name> <check...>: see frame_checks.py.
frame_check() {
    local name=$1
    shift
    python3 "$e2e_dir/frame_checks.py" "$work/$name.ppm" "$@" || fail "$name: $*"
}

# Waits up to <seconds> for the game to end; its exit code in $game_status.
wait_for_exit() {
    local seconds=$1 i
    for ((i = 0; i < seconds * 10; i++)); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            game_status=0
            wait "$game_pid" || game_status=$?
            game_pid=""
            return 0
        fi
        sleep 0.1
    done
    fail "the game did not end within $seconds s"
}

# The title screen: its blue texts in the band of rows 40..135 around x 400.
expect_title() {
    local name=$1
    screenshot "$name"
    frame_check "$name" "count 200 40 600 136 32,156,217 min 100"
}

# Escape on the title ends the game with exit code 0 within a few seconds.
quit_with_escape() {
    press Escape
    wait_for_exit 5
    [[ "$game_status" == 0 ]] || fail "exit code $game_status after Escape, not 0"
}

# A copy of the build folder's data and executable, for runs that take
# something away: $work/copy.
copy_game() {
    local build=$1 executable=$2
    mkdir -p "$work/copy"
    cp -r "$build/graphics" "$work/copy/"
    cp "$build"/*.wav "$build/Souvenir Bold Italic.ttf" "$executable" "$work/copy/"
}

# Lines of the game's standard error.
stderr_lines() {
    wc -l <"$work/stderr"
}
