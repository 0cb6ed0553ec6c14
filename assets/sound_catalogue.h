// The four sounds of the game, synthesised here and written as WAV files.
#pragma once

#include <string>

#include "wav_file.h"

StereoBuffer makeShipHum();      // ufo-sound.wav: the saucer's pulsing hum, loops
StereoBuffer makeDrop();         // drop.wav: falling whistle and a thud
StereoBuffer makeCandyCrunch();  // crunko-piece.wav: a crunchy bite
StereoBuffer makeTitleTheme();   // quillo-theme.wav: the title tune

// Writes all four into dataDir; false (with a message) on failure.
bool writeAllSounds(const std::string& dataDir);
