// The game's pictures: read, checked and decoded at start-up and kept in the
// window's pixel format, or read from their files on every draw.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

#include "core/drawing.h"
#include "platform/pixel_copy.h"

struct SDL_Surface;
struct SDL_Thread;

namespace qz {

// Kept pictures are converted once to the format of the surface drawn onto,
// with the colour key and run-length acceleration set once; a draw then
// opens no file.
//
// The game reads the title's picture before its first frame and the others
// on a second thread while the title shows; the first draw of a picture that thread has
// not kept yet waits until it has read them all, so the first frame of play
// waits for every file and no later frame opens one. Each file is read by
// readPicture (platform/surfaces.h).

class PictureStore {
  public:
    PictureStore() = default;
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // Reads every listed picture now, converted to the pixel format of
    // `target`, the surface they are drawn onto; the path of the first that
    // cannot be read, or null when all could.
    const char* preload(std::span<const Picture> pictures, const SDL_Surface* target);
    // Reads the first `now` pictures as preload does; the others wait for
    // startReading. Null when the first `now` could all be read. The list
    // must outlive the reading.
    const char* preloadFirst(std::span<const Picture> pictures, std::size_t now,
                             const SDL_Surface* target);
    // Starts reading the others on a second thread; the canvas calls it once
    // a frame is shown, so the first frame does not share the processor.
    void startReading();
    // Reads what is left and waits for the second thread; the path of the
    // first picture that could not be read, or null.
    const char* finishReading();

    // The kept picture; null when the file is missing or not a well-formed
    // bitmap.
    SDL_Surface* open(Picture picture);

    // The opaque runs of a kept sprite in the target's format, else null.
    const OpaqueRuns* opaqueRuns(const SDL_Surface* picture) const;
    // Picture files opened so far, by either thread.
    int filesOpened() const { return filesOpened_; }

  private:
    SDL_Surface* read(Picture picture);
    SDL_Surface* find(std::string_view path, bool colourKeyed);
    // Reads and keeps one picture; false when it cannot be read.
    bool keep(const Picture& picture);
    void readRest(std::span<const Picture> pictures);

    std::atomic<int> filesOpened_ = 0;
    // Guards the two maps while the second thread reads.
    mutable std::mutex keeping_;
    std::span<const Picture> unread_;   // for the second thread, not started yet
    std::span<const Picture> reading_;  // the second thread's, once started
    // Made by the display library, which keeps no state behind for a thread
    // of its own once it is waited for (it would for one it did not make).
    SDL_Thread* reader_ = nullptr;
    std::atomic<bool> stopReading_ = false;
    const char* unreadable_ = nullptr;     // written by the reader before it ends
    const SDL_Surface* target_ = nullptr;  // null: the display surface's format
    // By path, plain and keyed; looked up without building a string.
    std::array<std::map<std::string, SDL_Surface*, std::less<>>, 2> kept_;
    std::map<const SDL_Surface*, OpaqueRuns> runs_;
};

}  // namespace qz
