// The game's pictures: read, checked and decoded at start-up and kept in the
// window's pixel format, or read from their files on every draw.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>

#include "platform/pixel_copy.h"

struct SDL_Surface;

namespace qz {

// A picture file and whether it is drawn as a sprite (colour keyed).
struct PictureFile {
    const char* path;
    bool colourKeyed;
};

// Kept pictures are converted once to the format of the surface drawn onto,
// with the colour key and run-length acceleration set once; a draw then
// opens no file. Reading every draw (keepDecoded false) is the original
// design: the test that proves both show the same frames and the benchmark
// use it.
class PictureStore {
  public:
    explicit PictureStore(bool keepDecoded = true) : keep_(keepDecoded) {}
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // Reads every listed picture now, converted to the pixel format of
    // `target`, the surface they are drawn onto; the path of the first that
    // cannot be read, or null when all could.
    const char* preload(std::span<const PictureFile> pictures, const SDL_Surface* target);

    // Null when the file is missing or not a well-formed bitmap.
    SDL_Surface* open(const char* path, bool colourKeyed);
    void release(SDL_Surface* picture);

    bool keepsDecoded() const { return keep_; }
    // The opaque runs of a kept sprite in the target's format, else null.
    const OpaqueRuns* opaqueRuns(const SDL_Surface* picture) const;
    // Picture files opened so far.
    int filesOpened() const { return filesOpened_; }

  private:
    SDL_Surface* read(const char* path, bool colourKeyed);

    bool keep_;
    int filesOpened_ = 0;
    const SDL_Surface* target_ = nullptr;  // null: the display surface's format
    // By path, plain and keyed; looked up without building a string.
    std::array<std::map<std::string, SDL_Surface*, std::less<>>, 2> kept_;
    std::map<const SDL_Surface*, OpaqueRuns> runs_;
};

}  // namespace qz
