// Reading and writing 24-bit uncompressed Windows bitmaps, the only picture
// format the game loads.
#pragma once

#include <optional>
#include <string>

#include "rgb_image.h"

// Writes a bottom-up 24-bit BMP with a BITMAPINFOHEADER; false on any I/O error.
bool writeBmp(const std::string& path, const RgbImage& image);

// Reads back a file written by writeBmp (24-bit, uncompressed, either row order).
std::optional<RgbImage> readBmp(const std::string& path);
