// A contact sheet: every generated picture at twice its size on grey, named,
// so the whole set can be judged at a glance.
#pragma once

#include <string>

// Reads the pictures from <dataDir>/graphics and writes one PNG; false on failure.
bool writeContactSheet(const std::string& dataDir, const std::string& pngPath);
