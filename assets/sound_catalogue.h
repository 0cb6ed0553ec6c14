// The four sounds of the game and the assist layer's eight, synthesised here
// and written as WAV files.
#pragma once

#include <string>

#include "wav_file.h"

StereoBuffer makeShipHum();      // ufo-sound.wav: the saucer's pulsing hum, loops
StereoBuffer makeDrop();         // drop.wav: falling whistle and a thud
StereoBuffer makeCandyCrunch();  // crunko-piece.wav: a crunchy bite
StereoBuffer makeTitleTheme();   // quillo-theme.wav: the title tune

// The assist layer's, one for each thing it tells of (assist-*.wav).
StereoBuffer makePieceFound();
StereoBuffer makePieceTaken();
StereoBuffer makeCapture();
StereoBuffer makeFlowerRevived();
StereoBuffer makeJorrinComing();
StereoBuffer makeShipCalled();
StereoBuffer makeWin();
StereoBuffer makeLoss();

// Writes all twelve into dataDir; false (with a message) on failure.
bool writeAllSounds(const std::string& dataDir);
