// The four sound cues: their channels, the volume rule and the theme's restarts.
#pragma once

#include "core/cue_list.h"
#include "core/game_state.h"

namespace qz {

constexpr int ChannelUfo = 0;
constexpr int ChannelDrop = 1;
constexpr int ChannelCandy = 2;
constexpr int ChannelTheme = 4;  // channel 3 is never used
constexpr int CueVolume = 50;    // of 128

// Every cue plays only on a silent channel, after setting all channels to 50.
void playWhenSilent(CueList& sound, int channel, Sound cue);

// Each Title turn: starts the theme, and restarts it every 1001 turns whether
// or not it has finished.
void titleMusicCue(GameState& state, CueList& sound);

}  // namespace qz
