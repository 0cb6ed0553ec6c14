// Every picture of the game: its file name, size, whether it is a keyed
// sprite, and how it is drawn.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "rgb_image.h"

struct PictureEntry {
    std::string name;  // file name under graphics/, without ".bmp"
    int width;
    int height;
    bool keyed;
    std::function<void(cairo_t*)> draw;
};

const std::vector<PictureEntry>& pictureCatalogue();

// Draws one entry into game pixels (keyed or opaque).
RgbImage renderPicture(const PictureEntry& entry);

// Writes every picture to <dataDir>/graphics/; false (with a message) on failure.
bool writeAllPictures(const std::string& dataDir);
