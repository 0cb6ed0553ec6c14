#!/usr/bin/env bash
# Installs the game under a fresh prefix and starts the installed copy from
# an unrelated folder: it must find its data beside itself. Checks the
# desktop entry, the icons and the manual page too.
#   install_test.sh <cmake> <build-folder>
set -euo pipefail
cmake=$1
build=$2
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

prefix="$work/prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }

expect_file() {
    [[ -f "$prefix/$1" ]] || fail "$1 is not installed"
}

note "installed files"
data=share/quillo-zoruri
expect_file bin/quillo-zoruri
[[ -x "$prefix/bin/quillo-zoruri" ]] || fail "bin/quillo-zoruri is not executable"
for file in ufo-sound.wav drop.wav crunko-piece.wav quillo-theme.wav \
    "Souvenir Bold Italic.ttf" "Souvenir Bold Italic - LICENSE.txt" \
    graphics/quillo-2.bmp graphics/grass.bmp graphics/ship.bmp; do
    expect_file "$data/$file"
done
# Every picture of the build folder, and nothing else in graphics/.
diff <(cd "$build/graphics" && ls) <(cd "$prefix/$data/graphics" && ls) ||
    fail "the installed graphics/ differs from the build's"

note "desktop entry and software-centre entry"
app_id=io.github.quillozoruri.quillo_zoruri
entry=share/applications/$app_id.desktop
expect_file "$entry"
desktop-file-validate "$prefix/$entry" || fail "$entry does not validate"
expect_file "share/metainfo/$app_id.metainfo.xml"
grep -qx 'Exec=quillo-zoruri' "$prefix/$entry" || fail "$entry does not run quillo-zoruri"
grep -qx 'Icon=quillo-zoruri' "$prefix/$entry" || fail "$entry does not name the icon"

note "icons"
for size in 48 128; do
    icon="share/icons/hicolor/${size}x${size}/apps/quillo-zoruri.png"
    expect_file "$icon"
    actual=$(identify -format '%wx%h' "$prefix/$icon")
    [[ "$actual" == "${size}x${size}" ]] || fail "$icon is $actual"
done

note "manual page"
expect_file share/man/man6/quillo-zoruri.6.gz
manual=$(zcat "$prefix/share/man/man6/quillo-zoruri.6.gz")
for section in NAME SYNOPSIS DESCRIPTION KEYS FILES "EXIT STATUS" SETTINGS; do
    grep -q "^\.SH \"\?$section\"\?\$" <<<"$manual" ||
        fail "the manual page has no $section section"
done

note "the example settings file, which the game reads without a word"
example=share/doc/quillo-zoruri/settings.conf.example
expect_file "$example"
env -u DISPLAY "$prefix/bin/quillo-zoruri" --controls --settings "$prefix/$example" \
    >"$work/controls" 2>"$work/controls.err" || fail "--controls failed"
[[ ! -s "$work/controls.err" ]] || fail "the example settings: $(cat "$work/controls.err")"
grep -q "^left = Left A .*# $prefix/$example line" "$work/controls" ||
    fail "the example settings were not used"

note "the installed game, started from /"
start_xvfb
start_game "$prefix/bin/quillo-zoruri" /
wait_for_window
sleep 1
# The game moves into the folder it found its data in.
[[ $(readlink "/proc/$game_pid/cwd") == "$prefix/$data" ]] ||
    fail "the game uses $(readlink "/proc/$game_pid/cwd"), not $prefix/$data"
expect_title title
quit_with_escape
note "passed"
