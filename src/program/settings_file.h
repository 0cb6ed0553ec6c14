// The player's settings file: which keys and pad inputs ask for what,
// whether losing the window's focus pauses the game, and whether the assist
// layer plays along.
//
//   # Quillo Zoruri settings
//   left = Left A pad:hat-left pad:axis0-
//   drop = X pad:button0
//   pause-on-focus-loss = no
//   assist = on
//
// One setting a line: an action (left, right, up, down, drop, power, start,
// instructions, quit, pause, mute, map) and what asks for it, keys by their names
// in any case, pad inputs as pad:buttonN, pad:hat-DIRECTION or pad:axisN+ and
// -. A line replaces the action's defaults. A line that cannot be read is
// named in one warning and left out; a key already given to another action
// stays with the first.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "controls/bindings.h"
#include "core/indexed_array.h"

namespace qz {

struct Settings {
    Bindings bindings = Bindings::defaults();
    bool pauseOnFocusLoss = true;
    bool assist = false;  // the assist layer: sounds, messages, lives, map
    // Where each action's triggers and the two other settings came from:
    // "default", or "FILE line N".
    IndexedArray<std::string, Action, ActionCount> origins;
    std::string focusOrigin;
    std::string assistOrigin;
    std::vector<std::string> warnings;  // one line each, naming file and line
};

// The file's text, read with `name` in the warnings and origins.
Settings parseSettings(std::string_view text, const std::string& name);

// The file asked for with --settings, or else the player's own; a missing
// player's file gives the defaults without a word.
Settings loadSettings(const std::string& asked);

// $XDG_CONFIG_HOME/quillo-zoruri/settings.conf, ~/.config/... without it.
std::string playerSettingsPath();

// What --controls prints: the settings in effect, in the file's own form,
// each with where it came from.
std::string describeSettings(const Settings& settings);

}  // namespace qz
