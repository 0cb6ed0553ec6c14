// Finding the folder that holds graphics/, the sounds and the font.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qz {

// The working directory when it has graphics/; else the executable's own
// folder; else the installed data folder. `tried` lists the folders looked at.
std::optional<std::string> findDataFolder(std::vector<std::string>& tried);

}  // namespace qz
