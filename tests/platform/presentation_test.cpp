// The window around the game's frame: scaling copies pixels and nothing
// else, and the window's own keys never reach the game.
#include "platform/presentation.h"

#include <SDL/SDL.h>

#include <cstring>
#include <vector>

#include "controls/library_input.h"
#include "harness/recording_sound_board.h"
#include "platform/pixel_copy.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

using Scaling = GameTest;

SDL_Surface* surfaceLike(const SDL_Surface* frame, int w, int h) {
    const SDL_PixelFormat* f = frame->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask,
                                f->Amask);
}

const Uint8* at(const SDL_Surface* s, int x, int y) {
    return static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
}

TEST(ScaleChoice, TheLargestScaleTheRoomHoldsIsTakenNeverMoreThanAsked) {
    const std::vector<ScreenSize> wide{{1920, 1280}};
    EXPECT_EQ(largestFittingScale(4, wide), 2);
    EXPECT_EQ(largestFittingScale(2, std::vector<ScreenSize>{{1024, 768}}), 1);
    EXPECT_EQ(largestFittingScale(3, std::vector<ScreenSize>{{2400, 1799}}), 2) << "both sides";
    EXPECT_EQ(largestFittingScale(4, std::vector<ScreenSize>{{3200, 2400}}), 4);
    EXPECT_EQ(largestFittingScale(1, wide), 1);
    // Full-screen modes: any one of them may hold it.
    const std::vector<ScreenSize> modes{{1024, 768}, {2560, 1600}, {1920, 1280}};
    EXPECT_EQ(largestFittingScale(4, modes), 2);
    EXPECT_EQ(largestFittingScale(4, std::vector<ScreenSize>{{640, 480}}), 1);
    EXPECT_EQ(largestFittingScale(3, std::vector<ScreenSize>{}), 1);
}

TEST_F(Scaling, EachGamePixelBecomesAnExactBlockAndNothingElseChanges) {
    startPlaying();
    play(KeyScript().hold({KeyRight}, 10));
    SDL_Surface* frame = canvas().surface();
    const int bpp = frame->format->BytesPerPixel;
    for (int n = 2; n <= 3; ++n) {
        // With a border, as when centred on a larger screen.
        const int left = 7, top = 3;
        SDL_Surface* target = surfaceLike(frame, 800 * n + 2 * left, 600 * n + 2 * top);
        ASSERT_NE(target, nullptr);
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 1, 2, 3));
        const std::uint32_t border = SDL_MapRGB(target->format, 1, 2, 3);
        replicatePixels(frame, target, n, left, top);
        int wrong = 0;
        for (int y = 0; y < target->h; ++y) {
            for (int x = 0; x < target->w; ++x) {
                const int fx = (x - left) / n, fy = (y - top) / n;
                const bool inside = x >= left && y >= top && fx < 800 && fy < 600;
                const Uint8* want =
                    inside ? at(frame, fx, fy) : reinterpret_cast<const Uint8*>(&border);
                wrong += std::memcmp(at(target, x, y), want, static_cast<std::size_t>(bpp)) != 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "scale " << n;
        SDL_FreeSurface(target);
    }
}

TEST_F(Scaling, AtScaleOneThePresentedBytesAreTheFrameItself) {
    startPlaying();
    SDL_Surface* frame = canvas().surface();
    SDL_Surface* target = surfaceLike(frame, 800, 600);
    ASSERT_NE(target, nullptr);
    replicatePixels(frame, target, 1, 0, 0);
    for (int y = 0; y < 600; ++y) {
        ASSERT_EQ(
            std::memcmp(at(frame, 0, y), at(target, 0, y), 800u * frame->format->BytesPerPixel), 0)
            << "row " << y;
    }
    SDL_FreeSurface(target);
}

TEST_F(Scaling, OnAFourByteWindowEachPixelIsWhatTheLibraryWouldConvertItTo) {
    startPlaying();
    play(KeyScript().hold({KeyRight}, 10));
    SDL_Surface* frame = canvas().surface();
    // A window of the usual 32-bit display, the frame placed with a border.
    SDL_Surface* window =
        SDL_CreateRGBSurface(SDL_SWSURFACE, 810, 604, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(widensTo(frame, window));
    SDL_Surface* converted = SDL_ConvertSurface(frame, window->format, 0);
    ASSERT_NE(converted, nullptr);
    SDL_FillRect(window, nullptr, 0x010203);
    widenPixels(frame, window, 7, 3);
    for (int y = 0; y < 604; ++y) {
        for (int x = 0; x < 810; ++x) {
            const bool inside = x >= 7 && y >= 3 && x < 807 && y < 603;
            const Uint8* want = inside ? at(converted, x - 7, y - 3) : at(window, 0, 0);
            ASSERT_EQ(std::memcmp(at(window, x, y), want, 4), 0) << x << ", " << y;
        }
    }
    SDL_FreeSurface(converted);
    SDL_FreeSurface(window);
}

// One turn on the instruction pages through the display library's own input,
// after the given key-down events were queued.
GameState turnAfter(GameState state, Canvas& canvas, std::initializer_list<SDL_keysym> keys,
                    int& toggles) {
    for (const SDL_keysym& key : keys) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym = key;
        SDL_PushEvent(&event);
    }
    VirtualClock clock;
    RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
    LibraryInput input([&toggles] { ++toggles; });
    Runtime rt{state, canvas, clock, input, sound};
    TurnLoop loop(rt);
    playTurn(loop, clock);
    return state;
}

TEST_F(Scaling, TheWindowKeysChangeNoGameState) {
    GameState pages = state();
    pages.instructionsShown = true;
    pages.instructionPage = 1;
    int toggles = 0;
    const GameState untouched = turnAfter(pages, canvas(), {}, toggles);
    const SDL_keysym f11{0, SDLK_F11, KMOD_NONE, 0};
    const SDL_keysym alt{0, SDLK_LALT, KMOD_LALT, 0};
    const SDL_keysym altEnter{0, SDLK_RETURN, KMOD_LALT, 0};
    const GameState switched = turnAfter(pages, canvas(), {f11, alt, altEnter}, toggles);
    EXPECT_EQ(toggles, 2);
    EXPECT_EQ(describeState(switched), describeState(untouched));
    // Any other key turns the page, so the turn above would have shown one.
    const SDL_keysym enter{0, SDLK_RETURN, KMOD_NONE, 0};
    EXPECT_NE(turnAfter(pages, canvas(), {enter}, toggles).instructionPage, 1);
}

}  // namespace
}  // namespace qz::test
