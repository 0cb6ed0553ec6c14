#!/usr/bin/env bash
# Proves the Windows build under Wine against the Linux one:
#   - --version prints the version, and a missing data folder is named with
#     exit code 1;
#   - the program carries a manifest declaring it long-path aware;
#   - the settings are read from %APPDATA%\Quillo Zoruri\, CR LF line ends too;
#   - the left stick's press pauses, as Windows numbers it (button 8);
#   - the title screen in Wine's window equals the Linux game's, pixel for
#     pixel, and so does full screen, centred on the screen with black around;
#   - a game walked with keys and paused shows the frame Linux draws when
#     its recording is replayed and paused there;
#   - recordings made on Linux (a won game and a lost one, a walk) replay on
#     Windows to the same digests, and one made on Windows replays on Linux;
#   - the cross-built unit tests pass.
# The game lies in a folder with a space and a non-ASCII letter, under a
# Windows user named José, started from another working folder.
#
#   tests/windows/wine_test.sh <windows-game-folder> <native-build> <windows-cmake-build>
#
# Needs a display of 1280 x 1024: run it under
# xvfb-run -a -s "-screen 0 1280x1024x24 -noreset".
set -uo pipefail

game_src=$(realpath "$1")
native=$(realpath "$2")
cross=$(realpath "$3")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillo-wine.XXXXXX")
passed=0
failed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
game_pid=""
cleanup() {
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export USER=José LANG=C.UTF-8
wineboot --init >/dev/null 2>&1
wineserver -w
appdata_win='C:\users\José\AppData\Roaming'
appdata="$WINEPREFIX/drive_c/users/José/AppData/Roaming"
[[ -d "$appdata" ]] || { echo "Wine made no user folder for José: $(ls "$WINEPREFIX/drive_c/users")"; exit 1; }

# The game, where a player unpacks it.
folder="$WINEPREFIX/drive_c/users/José/Jeux d'été/quillo-zoruri"
mkdir -p "$(dirname "$folder")"
cp -r "$game_src" "$folder"
exe="$folder/quillo-zoruri.exe"
# Any working folder: the game finds its data beside itself.
cd "$work"
export SDL_AUDIODRIVER=dummy

# --version
version=$(wine "$exe" --version 2>/dev/null | tr -d '\r')
expected=$("$native/quillo-zoruri" --version)
[[ "$version" == "$expected" ]] && pass "--version prints \"$version\"" ||
    fail "--version printed \"$version\", not \"$expected\""

# What a Windows player reads names Windows' places and numbers, not Linux's:
# --help, and the manual beside the program.
help=$(wine "$exe" --help 2>/dev/null | tr -d '\r')
manual=$(tr -d '\r' <"$folder/Manual.txt")
linux='~/.config|XDG_CONFIG_HOME|share/quillo|DISPLAY|xvfb|/usr/|button 9 pauses'
if grep -qF '%APPDATA%\Quillo Zoruri\settings.conf' <<<"$help" && grep -qF 'button 8 pauses' <<<"$help" &&
    grep -qF '%APPDATA%\Quillo Zoruri\settings.conf' <<<"$manual" && grep -qF 'button 8 pauses' <<<"$manual" &&
    ! grep -qE "$linux" <<<"$help$manual"; then
    pass "--help and Manual.txt name %APPDATA%\Quillo Zoruri\settings.conf and button 8, nothing of Linux's"
else
    fail "--help or Manual.txt names Linux's places: $(grep -E "$linux" <<<"$help$manual" | head -n 3)"
fi

# The manifest Windows reads before the program starts: resource type 24,
# number 1, declaring the program long-path aware. (Wine opens paths past
# 260 characters with or without it, so only Windows can show what it does.)
manifest=$(x86_64-w64-mingw32-objdump -p "$exe" |
    sed -n '/^The .rsrc Resource Directory/,/^$/p' | grep -A2 'Entry: ID: 0x000018,')
x86_64-w64-mingw32-objcopy -O binary --only-section=.rsrc "$exe" "$work/rsrc.bin"
if grep -q 'Entry: ID: 0x000001,' <<<"$manifest" &&
    grep -qF '<longPathAware xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">true</longPathAware>' "$work/rsrc.bin" &&
    grep -qF 'level="asInvoker"' "$work/rsrc.bin"; then
    pass "the program's manifest is embedded: long-path aware, as invoker"
else
    fail "the program has no manifest declaring it long-path aware"
fi

# A missing data folder.
mkdir -p "$work/bare"
cp "$folder"/*.exe "$folder"/*.dll "$work/bare"/
wine "$work/bare/quillo-zoruri.exe" >"$work/bare.out" 2>"$work/bare.err"
status=$?
if [[ $status -eq 1 ]] && grep -q "cannot find the game's data" "$work/bare.err"; then
    pass "a missing data folder: $(tr -d '\r' <"$work/bare.err")"
else
    fail "a missing data folder gave exit code $status and: $(cat "$work/bare.err")"
fi

# The settings, from %APPDATA%\Quillo Zoruri\, written on Windows with CR LF.
mkdir -p "$appdata/Quillo Zoruri"
printf 'left = Left A\r\nassist = on\r\n' >"$appdata/Quillo Zoruri/settings.conf"
controls=$(wine "$exe" --controls 2>"$work/controls.err" | tr -d '\r')
if grep -qF 'Quillo Zoruri\settings.conf line 1' <<<"$controls" &&
    grep -q '^assist = on ' <<<"$controls" && [[ ! -s "$work/controls.err" ]]; then
    pass "the settings are read from $appdata_win\\Quillo Zoruri\\settings.conf"
else
    fail "the settings were not read: $controls $(cat "$work/controls.err")"
fi
if grep -qE '^pause = P pad:button8 +# default$' <<<"$controls"; then
    pass "the left stick's press pauses: pad:button8, as Windows numbers it"
else
    fail "the pause is not on the left stick's press: $(grep '^pause' <<<"$controls")"
fi
rm "$appdata/Quillo Zoruri/settings.conf"

# Names beyond Windows' Western code page, which the narrow command line and
# file calls would turn into question marks: the game started from a folder
# named in Russian and Chinese, its data found beside it, a settings file of
# such a name read, and a recording written to one.
far="$WINEPREFIX/drive_c/Игры 游戏/quillo-zoruri"
mkdir -p "$(dirname "$far")"
cp -r "$folder" "$far"
printf 'left = Left A\r\n' >"$far/../настройки 設定.conf"
far_settings='C:\Игры 游戏\настройки 設定.conf'
controls=$(wine "$far/quillo-zoruri.exe" --settings "$far_settings" --controls 2>"$work/far.err" | tr -d '\r')
if grep -qF 'настройки 設定.conf line 1' <<<"$controls" && [[ ! -s "$work/far.err" ]]; then
    pass "a settings file in C:\Игры 游戏\ is read by its name"
else
    fail "the settings in C:\Игры 游戏\ were not read: $controls $(cat "$work/far.err")"
fi

# The game's window, waited for up to 30 s; empty when it never showed.
game_window() {
    local window=""
    for ((i = 0; i < 150; i++)); do
        window=$(xdotool search --name '^Quillo Zoruri v' 2>/dev/null | head -n 1)
        [[ -n "$window" ]] && break
        sleep 0.2
    done
    echo "$window"
}
# Escape in the title quits; the game's exit code is the caller's.
quit_game() {
    xdotool keydown Escape
    sleep 0.3
    xdotool keyup Escape
    wait "$game_pid"
    local status=$?
    game_pid=""
    return $status
}

# The title screen, grabbed from the window as the Linux game's is.
grab() {  # grab <out.xwd> <command...>
    local out=$1 window=""
    shift
    "$@" >"$work/grab.log" 2>&1 &
    game_pid=$!
    window=$(game_window)
    [[ -n "$window" ]] || { cat "$work/grab.log"; return 1; }
    sleep 1
    xwd -silent -id "$window" >"$out"
    xdotool windowfocus --sync "$window" 2>/dev/null
    sleep 0.3
    quit_game
}
if grab "$work/linux.xwd" "$native/quillo-zoruri" && grab "$work/wine.xwd" wine "$exe"; then
    convert "$work/linux.xwd" "$work/linux.png"
    convert "$work/wine.xwd" "$work/wine.png"
    differ=$(compare -metric AE "$work/linux.png" "$work/wine.png" null: 2>&1)
    size=$(identify -format '%wx%h' "$work/wine.png")
    [[ "$differ" == 0 && "$size" == 800x600 ]] &&
        pass "the title in Wine's window equals the Linux game's, all 800x600 pixels" ||
        fail "the title differs from the Linux game's in $differ pixels ($size)"
    [[ -n "${QZ_KEEP_SHOT:-}" ]] && cp "$work/wine.png" "$QZ_KEEP_SHOT"
else
    fail "the title could not be grabbed from both games"
fi

# Full screen: the screen holds no larger whole scale, so the frame stands
# unscaled in its middle, with black around it.
full_screen() {
    local window
    wine "$exe" --fullscreen >"$work/full.log" 2>&1 &
    game_pid=$!
    window=$(game_window)
    [[ -n "$window" ]] || return 1
    sleep 1
    xwd -silent -root | convert xwd:- "$work/full.png"
    xdotool windowfocus --sync "$window" 2>/dev/null
    quit_game
}
if full_screen && [[ -f "$work/linux.png" ]]; then
    read -r width height < <(identify -format '%w %h' "$work/full.png")
    left=$(((width - 800) / 2))
    top=$(((height - 600) / 2))
    convert "$work/full.png" -crop "800x600+$left+$top" +repage "$work/full-frame.png"
    differ=$(compare -metric AE "$work/linux.png" "$work/full-frame.png" null: 2>&1)
    # Black everywhere else: the frame painted black over the whole screen.
    convert "$work/full.png" -fill black -draw "rectangle $left,$top $((left + 799)),$((top + 599))" \
        "$work/full-border.png"
    convert -size "${width}x$height" xc:black "$work/black.png"
    border=$(compare -metric AE "$work/full-border.png" "$work/black.png" null: 2>&1)
    [[ "$differ" == 0 && "$border" == 0 ]] &&
        pass "full screen: the title at +$left+$top of the ${width}x$height screen, black around it" ||
        fail "full screen: the frame at +$left+$top differs in $differ pixels, $border pixels around it are not black"
else
    fail "the game showed no full screen: $(cat "$work/full.log")"
fi

# Recordings made on Linux, replayed on Windows: exit 0 means every digest
# agreed, the final one included.
"$native/tests/quillo-web-scenes" "$work/scenes" "$native" >/dev/null 2>&1
mkdir -p "$work/games"
"$native/quillo-record-games" "$work/games" "$native" >/dev/null 2>&1
cp "$here/../e2e/data/v1-forest-walk.replay" "$work/"
for recording in "$work/scenes/won-game.replay" "$work/games/long-game.replay" \
    "$work/v1-forest-walk.replay"; do
    name=$(basename "$recording")
    [[ -f "$recording" ]] || { fail "no recording $name"; continue; }
    end=$(tail -n 1 "$recording")
    SDL_VIDEODRIVER=dummy wine "$exe" --replay "$(winepath -w "$recording")" >"$work/replay.log" 2>&1
    status=$?
    [[ $status -eq 0 ]] && pass "Linux's $name replays on Windows to its $end" ||
        fail "Linux's $name on Windows: exit code $status: $(cat "$work/replay.log")"
done
# From the folder named in Russian and Chinese, a recording of such a name:
# the game finds its data beside itself and the recording by its name.
cp "$work/v1-forest-walk.replay" "$far/../запись 記録.replay"
SDL_VIDEODRIVER=dummy wine "$far/quillo-zoruri.exe" --replay 'C:\Игры 游戏\запись 記録.replay' \
    >"$work/replay.log" 2>&1
status=$?
[[ $status -eq 0 ]] && pass "from C:\Игры 游戏\, C:\Игры 游戏\запись 記録.replay replays to its end" ||
    fail "from C:\Игры 游戏\: exit code $status: $(cat "$work/replay.log")"

# A game recorded on Windows: S to start, the landing, a walk, P to pause
# (the paused window grabbed), Escape. Replayed on Linux, to the same end.
record() {
    local window
    wine "$exe" --record 'C:\users\José\Jeux d'"'"'été\partie enregistrée.replay' >"$work/record.log" 2>&1 &
    game_pid=$!
    window=$(game_window)
    [[ -n "$window" ]] || return 1
    xdotool windowfocus --sync "$window" 2>/dev/null
    sleep 0.5
    for key in s Right Right Left p; do
        xdotool keydown "$key"
        sleep 0.6
        xdotool keyup "$key"
        sleep 0.3
        [[ "$key" == s ]] && sleep 2.5
    done
    sleep 0.5
    xwd -silent -id "$window" | convert xwd:- "$work/walked.png"
    quit_game
}
recorded="$(dirname "$folder")/partie enregistrée.replay"
if record && [[ -f "$recorded" ]]; then
    if grep -q $'\r' "$recorded"; then
        fail "the Windows recording has CR LF line ends"
    elif (cd "$native" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./quillo-zoruri --replay "$recorded") \
        >"$work/replay.log" 2>&1; then
        pass "Windows' recording ($(wc -l <"$recorded") lines, LF) replays on Linux to its $(tail -n 1 "$recorded")"
    else
        fail "Windows' recording on Linux: $(cat "$work/replay.log")"
    fi
    "$native/tests/quillo-end-frame" "$recorded" "$work/linux-walked.bmp" "$native" &&
        differ=$(compare -metric AE "$work/linux-walked.bmp" "$work/walked.png" null: 2>&1) ||
        differ="no frame"
    [[ "$differ" == 0 ]] &&
        pass "the walk, paused in Wine's window, equals Linux's frame of its recording, paused" ||
        fail "the paused walk differs from Linux's frame in $differ pixels"
    [[ -n "${QZ_KEEP_SHOT:-}" ]] && cp "$work/walked.png" "${QZ_KEEP_SHOT%.png}-walked.png"
else
    fail "the Windows game made no recording: $(cat "$work/record.log")"
fi

# The unit tests, cross-built, under Wine.
# Their scratch files go to a folder of plain letters: the tests name files
# in the C library's narrow code page, where the game itself uses UTF-8.
mkdir -p "$WINEPREFIX/drive_c/scratch"
if (cd "$cross" && TEST_TMPDIR='C:\scratch' ctest -L unit -j2 --output-on-failure) >"$work/ctest.log" 2>&1; then
    pass "the unit tests under Wine: $(grep -E "tests passed" "$work/ctest.log")"
else
    fail "the unit tests under Wine:"; tail -n 30 "$work/ctest.log"
fi

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
