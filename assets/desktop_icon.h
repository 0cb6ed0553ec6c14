// The desktop icon: Quillo's face on a transparent square, as PNG.
#pragma once

#include <string>

// Writes <dataDir>/icons/<n>x<n>/quillo-zoruri.png for each size; false on failure.
bool writeDesktopIcons(const std::string& dataDir);
