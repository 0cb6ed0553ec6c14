// The browser's game pad: the first that navigator.getGamepads() lists, read
// once a turn (controls/web_pad.cpp).
#pragma once

#include <vector>

#include "controls/pad_tracker.h"

namespace qz {

// Reads the pad into the inputs it switches since the last read. A pad that
// goes away lets go of everything it held; one that comes, or another that
// takes its place, starts with nothing held.
void readBrowserPad(std::vector<PadChange>& changes);
const PadState& browserPadState();

}  // namespace qz
