// The shipped pictures (the title's read at start-up, the others while the
// title shows, converted, texts kept) against the original design (every
// picture read from its file on every draw, every text rendered anew): the
// same game on both, every frame compared byte for byte, every picture read
// by the first turn out of the title and no file opened after it.
#include <SDL/SDL.h>

#include <cstring>
#include <functional>
#include <random>

#include "core/graphics_files.h"
#include "support/game_fixture.h"
#include "view/status_text.h"

namespace qz::test {
namespace {

// The second frame: a software surface in the display's own format.
SDL_Surface* frameLike(const SDL_Surface* screen) {
    const SDL_PixelFormat* f = screen->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, screen->w, screen->h, f->BitsPerPixel, f->Rmask,
                                f->Gmask, f->Bmask, f->Amask);
}

// The first row where the two frames differ, or -1.
int firstDifferentRow(const SDL_Surface* a, const SDL_Surface* b) {
    const auto rowBytes = static_cast<std::size_t>(a->w * a->format->BytesPerPixel);
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<const Uint8*>(b->pixels) + y * b->pitch, rowBytes) != 0) {
            return y;
        }
    }
    return -1;
}

class ShippedFrames : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        kept_ = frameLike(display().screen());
        ASSERT_NE(kept_, nullptr);
        ASSERT_EQ(keptPictures_.preloadFirst(pic::all, pic::titlePictureCount, kept_), nullptr);
        shipped_.emplace(kept_, keptPictures_, display().fonts());
        original_.emplace(display().screen(), display().fonts());
    }
    void TearDown() override {
        keptPictures_.finishReading();  // it reads in the format of kept_
        shipped_.reset();
        SDL_FreeSurface(kept_);
    }

    // Draws with both canvases; true when the two frames are the same.
    ::testing::AssertionResult drawsAlike(const std::function<void(Canvas&)>& draw) {
        draw(*shipped_);
        draw(*original_);
        if (const int row = firstDifferentRow(shipped_->surface(), original_->surface());
            row >= 0) {
            return ::testing::AssertionFailure() << "the frames differ from row " << row;
        }
        return ::testing::AssertionSuccess();
    }

    // Plays the script on both runners in step, each turn seeded alike so
    // both draw the same numbers whatever the order of draws; after each
    // turn the frames must be the same and, out of the title, every picture
    // must have been read exactly once. `seen` looks at each turn's state.
    void playInStep(ScenarioRunner& shipped, ScenarioRunner& original, const KeyScript& script,
                    const std::function<void(const GameState&)>& seen = nullptr) {
        for (const ScriptedTurn& input : script.turns()) {
            ++turn_;
            shipped.state().random.seed(shipped.seed() + static_cast<unsigned>(turn_));
            const TurnOutcome record = shipped.runTurn(input);
            original.state().random.seed(shipped.seed() + static_cast<unsigned>(turn_));
            ASSERT_TRUE(original.runTurn(input) == record) << "the games part at turn " << turn_;
            if (seen) {
                seen(shipped.state());
            }
            const int row = firstDifferentRow(kept_, display().screen());
            ASSERT_EQ(row, -1) << "turn " << turn_ << " (mode " << int(shipped.state().mode)
                               << ", area " << shipped.state().area << ")";
            if (shipped.state().mode != PlayMode::Title) {
                ASSERT_EQ(keptPictures_.filesOpened(), static_cast<int>(pic::all.size()))
                    << "turn " << turn_ << " is out of the title";
            }
        }
    }

    SDL_Surface* kept_ = nullptr;
    PictureStore keptPictures_;
    std::optional<KeptCanvas> shipped_;
    std::optional<ReadingCanvas> original_;
    int turn_ = 0;
};

TEST_F(ShippedFrames, AWholeGameLooksTheSameAndOpensNoFileOutOfTheTitle) {
    constexpr unsigned Seed = 20240611;
    ScenarioRunner shipped(*shipped_, Seed);
    ScenarioRunner original(*original_, Seed);
    int pursuerShown = 0;
    int jorrinShown = 0;
    int marksShown = 0;
    auto play = [&](const KeyScript& script) {
        playInStep(shipped, original, script, [&](const GameState& s) {
            const PursuerState& p = s.pursuer;
            pursuerShown += p.pursuerActive && p.pursuerDelay == 0 && !p.pursuerHidden;
            jorrinShown += s.jorrin.alienCollapsed || s.jorrin.jorrinCalled;
            marksShown += s.phoneMarks.phoneMarksOn;
        });
    };
    auto both = [&](const std::function<void(GameState&)>& change) {
        change(shipped.state());
        change(original.state());
    };

    // The title, the three instruction pages, the ship's landing.
    play(KeyScript().idle(3).tap({KeyI}).tap({KeyZ}).tap({KeyZ}).tap({KeyZ}).hold({KeyS}, 1).idle(
        59));
    // Into Area Four, onto three holes, down one, about inside it and out.
    play(KeyScript().hold({KeyLeft}, 69).hold({KeyUp}, 15).hold({KeyLeft}, 50).hold({KeyDown}, 37));
    play(KeyScript()
             .tap({KeyX})
             .idle(40)
             .hold({KeyRight}, 20)
             .hold({KeyLeft}, 20)
             .tap({KeyX})
             .idle(80));
    // A power animation, then round the areas: every one, both ways.
    play(KeyScript().tap({KeyZ}).idle(6));
    play(KeyScript().hold({KeyUp}, 240).hold({KeyLeft}, 300).hold({KeyDown}, 120));
    // The countdown and every piece in the top band, a long score, a pursuer.
    both([](GameState& s) {
        s.pursuer.pursuerActive = true;
        s.pursuer.pursuerDelay = 0;
        s.pursuer.pursuerX = 600;
        s.pursuer.pursuerY = 300;
        s.phonePieceHeld = {true, true, true};
        s.shipCall.callActive = true;
        s.score = 987650;
        s.candyCount = 3;
    });
    play(KeyScript().hold({KeyRight}, 200));
    // The phone marks over the holes of the areas that hide the pieces.
    for (const AreaId area : {AreaOne, AreaTwo, AreaThree}) {
        both([area](GameState& s) {
            s.area = area;
            s.phoneMarks = PhoneMarkState{};
            s.phoneMarks.phoneMarksOn = true;
        });
        play(KeyScript().idle(12));
    }
    // The energy runs out and Jorrin comes; then the last life goes and the
    // end screen shows.
    both([](GameState& s) { s.energy = 1; });
    play(KeyScript().hold({KeyRight}, 120).idle(150));
    both([](GameState& s) { s.lives = 0; });
    play(KeyScript().idle(40).tap({KeyS}).idle(10));

    EXPECT_GT(original_->filesOpened(), turn_ * 5) << "the original design read files";
    EXPECT_EQ(original.state().mode, shipped.state().mode);
    EXPECT_GT(pursuerShown, 20) << "the pursuer was drawn in too few turns";
    EXPECT_GT(jorrinShown, 20) << "Jorrin came in too few turns";
    EXPECT_GT(marksShown, 5) << "the phone marks were on in too few turns";
}

// S pressed in the turn after the first frame, while the second thread is
// still reading: the first frame of play waits for every picture.
TEST_F(ShippedFrames, AGameStartedAtOnceFindsEveryPictureReadAndLooksTheSame) {
    ScenarioRunner shipped(*shipped_, 7);
    ScenarioRunner original(*original_, 7);
    playInStep(shipped, original,
               KeyScript().idle(1).hold({KeyS}, 1).idle(59).hold({KeyLeft}, 80).hold({KeyUp}, 40));
    EXPECT_EQ(shipped.state().mode, PlayMode::Play);
}

TEST_F(ShippedFrames, ClippedPicturesFillsAndManyTextsLookTheSame) {
    const Rect part{20, 10, 100, 60};
    const Point corners[] = {{-30, -20}, {760, 570}, {-900, 0}, {0, 599}, {799, 300}, {250, 250}};
    for (const Point& at : corners) {
        EXPECT_TRUE(drawsAlike([&](Canvas& c) {
            c.fill(0, 0, 800, 600, Rgb{0, 0, 90});
            c.fill(at.x, at.y, 200, 120, Rgb{10, 200, 30});
            c.drawSprite(pic::grass, nullptr, at);
            c.drawSprite(pic::logo, &part, at);
            c.drawSprite(pic::tree, nullptr, at);
        })) << "at "
            << at.x << ", " << at.y;
    }
    // More numbers than are kept: the oldest make room, and each still reads right.
    for (int value = 0; value < 150; ++value) {
        ASSERT_TRUE(drawsAlike([&](Canvas& c) {
            c.fill(0, 0, 800, 600, Rgb{0, 0, 0});
            c.drawText(FontSize::Small, "Score", White, 710, 470);
            c.drawText(FontSize::Small, decimal(value * 37), White, 725, 490);
            c.drawTextCentred(FontSize::Large, "Score:" + decimal(value), Rgb{250, 240, 5}, 425);
        })) << "value "
            << value;
    }
    EXPECT_LE(shipped_->textsKept(), 48u);
}

// Frames that each change a little from the one before, as turns do: draws
// moved, added, dropped, reordered, over and past the frame's edges. The
// shipped canvas draws each anew only where it differs from the last.
TEST_F(ShippedFrames, FramesThatChangeALittleEachTimeLookTheSame) {
    struct Draw {
        int what;
        Point at;
    };
    std::mt19937 random(7);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto somewhere = [&] { return Point{below(900) - 60, below(700) - 60}; };
    const Rect part{20, 10, 100, 60};
    const auto carryOut = [&](Canvas& c, const Draw& d) {
        switch (d.what) {
            case 0:
                return c.fill(d.at.x, d.at.y, 90, 40, Rgb{10, 200, 30});
            case 1:
                return c.drawSprite(pic::tree, nullptr, d.at);
            case 2:
                return c.drawSprite(pic::fauna, nullptr, d.at);
            case 3:
                return c.drawSprite(pic::logo, &part, d.at);
            case 4:
                return c.drawSprite(pic::grass, nullptr, d.at);
            default:
                return c.drawText(FontSize::Medium, decimal(d.at.x), White, d.at.x, d.at.y);
        }
    };
    ASSERT_TRUE(drawsAlike([](Canvas& c) { c.fill(0, 0, 800, 600, Rgb{0, 0, 0}); }));
    std::vector<Draw> frame;
    for (int turn = 0; turn < 300; ++turn) {
        const int changes = below(4);
        for (int i = 0; i < changes || frame.empty(); ++i) {
            const auto where = frame.begin() + below(static_cast<int>(frame.size()) + 1);
            const int how = below(4);
            if (how == 0 || where == frame.end()) {
                frame.insert(where, Draw{below(6), somewhere()});
            } else if (how == 1) {
                frame.erase(where);
            } else if (how == 2) {
                where->at.x += below(11) - 5;
            } else {
                std::swap(*where, frame[static_cast<std::size_t>(below(int(frame.size())))]);
            }
        }
        // Now and then the whole frame is painted over, as a new area is.
        if (below(40) == 0) {
            frame.insert(frame.begin(), Draw{4, Point{0, 0}});
        }
        ASSERT_TRUE(drawsAlike([&](Canvas& c) {
            for (const Draw& d : frame) {
                carryOut(c, d);
            }
        })) << "turn "
            << turn;
    }
}

}  // namespace
}  // namespace qz::test
