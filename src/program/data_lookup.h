// Finding the folder that holds graphics/, the sounds and the font.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qz {

// The first of these folders that has graphics/: the working directory; the
// executable's own folder (a build folder); the installed data folder beside
// the executable's, so an installed tree can be moved as a whole; the
// installed data folder where it was meant to go. `tried` lists the folders
// looked at, in that order, each once.
std::optional<std::string> findDataFolder(std::vector<std::string>& tried);

// The first picture whose file is missing or not a picture the game reads;
// null when every one is there.
const char* firstUnreadablePicture();

// Moves into the folder with the game's data, so every file name stays
// relative: the one asked for, or the first the lookup finds. Empty, or the
// line saying why it could not.
std::string enterDataFolder(const std::string& asked);

}  // namespace qz
