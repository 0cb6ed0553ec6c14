#!/usr/bin/env bash
# Plays the real game in a real X server: the title, S, the ship's arrival,
# the Forest, Escape; then checks that the title theme was really mixed.
#   play_test.sh <executable> <build-folder>
set -euo pipefail
executable=$1
build=$2
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

start_xvfb
start_game "$executable" "$build"
wait_for_window
expect_window_size 800x600
sleep 1
note "title screen"
expect_title title

# What the sound device got while only the title theme could play.
title_audio_bytes=$(stat -c %s "$work/audio.raw")

note "S starts a game; the ship lands in the Forest"
press s
sleep 6
screenshot forest
# The red top band, and the Forest's grass in the play field.
frame_check forest \
    "share 0 0 800 50 255,0,0 min 0.5" \
    "share 0 50 800 450 green min 0.3"

note "Escape quits"
quit_with_escape

note "the title theme reached the sound device"
python3 "$e2e_dir/audio_check.py" "$work/audio.raw" 1000 4410 "$title_audio_bytes" ||
    fail "the title screen's sound was silence"
