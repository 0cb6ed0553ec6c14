// Header checks run before a file reaches SDL, which crashes on some
// malformed bitmaps and sounds. A file that fails counts as missing.
#pragma once

#include <string>

namespace qz {

bool bitmapFileIsWellFormed(const std::string& path);
bool waveFileIsWellFormed(const std::string& path);

}  // namespace qz
