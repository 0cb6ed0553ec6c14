// The input seam: key codes, events and the held-key array.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace qz {

// Key codes as the display library numbers them; they index the key-state array.
enum Key : int {
    KeyEscape = 27,
    KeyI = 105,
    KeyS = 115,
    KeyX = 120,
    KeyZ = 122,
    KeyUp = 273,
    KeyDown = 274,
    KeyRight = 275,
    KeyLeft = 276,
};
constexpr int KeyStateSize = 323;

struct InputEvent {
    enum class Type { Quit, KeyDown, Other };
    Type type = Type::Other;
};

class InputSource {
  public:
    virtual ~InputSource() = default;
    // Takes the next event, false when the queue is empty.
    virtual bool poll(InputEvent& event) = 0;
    // Brings the held-key array up to date.
    virtual void pump() = 0;
    // KeyStateSize entries, non-zero while held. Stays valid for the whole run.
    virtual const std::uint8_t* keyState() = 0;
};

// The display library's events and keys. F11 and Alt+Enter belong to the
// window, not the game: they go to `onWindowKey` and never reach a turn, and
// neither does an Alt key-down, which would otherwise turn an instruction page.
class SdlInput final : public InputSource {
  public:
    explicit SdlInput(std::function<void()> onWindowKey = {})
        : onWindowKey_(std::move(onWindowKey)) {}
    bool poll(InputEvent& event) override;
    void pump() override;
    const std::uint8_t* keyState() override;

  private:
    std::function<void()> onWindowKey_;
};

}  // namespace qz
