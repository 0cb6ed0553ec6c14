// The assist layer tells of each thing that happens in play, once, with its
// own sound and line, and of nothing else; its map key shows the map while held.
#include <SDL/SDL.h>

#include <array>
#include <functional>
#include <set>
#include <string>

#include "core/graphics_files.h"
#include "platform/canvas.h"
#include "program/assist_events.h"
#include "program/assist_layer.h"
#include "support/game_fixture.h"
#include "turn/runtime.h"
#include "view/status_bar.h"

namespace qz::test {
namespace {

struct Happening {
    AssistEvent event;
    std::function<void(GameState&)> setUp;   // before and after alike
    std::function<void(GameState&)> happen;  // after only
};

void nothing(GameState&) {}

const Happening Happenings[] = {
    {AssistEvent::PieceFound, nothing, [](GameState& s) { s.phonePieceHeld[1] = true; }},
    {AssistEvent::PieceTaken, [](GameState& s) { s.phonePieceHeld[2] = true; },
     [](GameState& s) { s.phonePieceHeld[2] = false; }},
    {AssistEvent::CandyTaken,
     [](GameState& s) {
         s.candyCount = 3;
         s.pursuer.alienCaught = true;
     },
     [](GameState& s) { s.candyCount = 0; }},
    {AssistEvent::CaughtByAgent, nothing, [](GameState& s) { s.pursuer.alienCaught = true; }},
    {AssistEvent::CaughtByScientist, [](GameState& s) { s.pursuer.pursuerIsScientist = true; },
     [](GameState& s) { s.pursuer.alienCaught = true; }},
    {AssistEvent::FlowerRevived, nothing,
     [](GameState& s) {
         s.items.flowerRevived = true;
         ++s.lives;
     }},
    {AssistEvent::JorrinRescuing, nothing, [](GameState& s) { s.jorrin.alienCollapsed = true; }},
    {AssistEvent::JorrinCalled, nothing, [](GameState& s) { s.jorrin.jorrinCalled = true; }},
    {AssistEvent::ShipCalled, nothing, [](GameState& s) { s.shipCall.callActive = true; }},
    {AssistEvent::Win, nothing, [](GameState& s) { s.mode = PlayMode::GameOver; }},
    {AssistEvent::Loss, nothing,
     [](GameState& s) {
         s.lives = 0;
         s.mode = PlayMode::GameOver;
     }},
};

class Assist : public GameTest {
  protected:
    // One turn of the layer from `before` to `after`, drawn over the frame.
    void turn(const GameState& before, const GameState& after, const TurnInput& input = {}) {
        layer.inputRead(before, input);
        layer.turnEnds(after, drawing);
        canvas().draw(drawing);
        drawing.clear();
    }
    RecordingAssistSounds sounds;
    AssistLayer layer{sounds};
    Drawing drawing;
};

TEST_F(Assist, TellsOfEachHappeningOnceWithItsOwnSoundAndLine) {
    startPlaying();
    std::set<AssistEvent> told;
    std::set<std::string> lines;
    for (const Happening& h : Happenings) {
        const AssistNews news = newsOf(h.event);
        SCOPED_TRACE(news.line ? news.line : "the end of the game");
        GameState before = state();
        h.setUp(before);
        GameState after = before;
        h.happen(after);
        AssistLayer fresh(sounds);
        sounds.played.clear();
        fresh.inputRead(before, {});
        fresh.turnEnds(after, drawing);
        EXPECT_EQ(eventsOfTurn(before, after), std::vector<AssistEvent>{h.event});
        EXPECT_EQ(sounds.played, std::vector<AssistSound>{news.sound});
        EXPECT_EQ(fresh.line(), news.line ? news.line : "");
        told.insert(h.event);
        if (news.line) {
            EXPECT_TRUE(lines.insert(news.line).second) << "two happenings share a line";
        }
    }
    EXPECT_EQ(told.size(), static_cast<std::size_t>(AssistEventCount));
    std::set<AssistSound> heard;
    for (int e = 0; e < AssistEventCount; ++e) {
        heard.insert(newsOf(static_cast<AssistEvent>(e)).sound);
    }
    EXPECT_EQ(heard.size(), static_cast<std::size_t>(AssistSoundCount)) << "a sound nobody plays";
}

// The help sounds as the mixer would play them, each as long as its file:
// notes every one that starts on a channel where another still sounds.
class TimedAssistSounds final : public AssistSoundBoard {
  public:
    TimedAssistSounds() {
        for (int i = 0; i < AssistSoundCount; ++i) {
            const std::string path =
                std::string(QZ_TEST_DATA_DIR) + "/" + soundFile(static_cast<AssistSound>(i));
            SDL_AudioSpec format;
            Uint8* samples = nullptr;
            Uint32 bytes = 0;
            EXPECT_TRUE(SDL_LoadWAV(path.c_str(), &format, &samples, &bytes)) << path;
            const Uint32 frameBytes = format.channels * ((format.format & 0xff) / 8);
            lengthMs[static_cast<std::size_t>(i)] = Uint64(bytes) * 1000 / frameBytes / format.freq;
            SDL_FreeWAV(samples);
        }
    }
    void playAssist(AssistSound sound) override {
        auto& endsAt = endsAtMs[static_cast<std::size_t>(assistChannel(sound))];
        if (endsAt > nowMs) {
            cut.push_back(endsAt - nowMs);
        }
        endsAt = nowMs + lengthMs[static_cast<std::size_t>(sound)];
        played.push_back(sound);
    }
    std::array<std::uint64_t, AssistSoundCount> lengthMs{};
    std::array<std::uint64_t, 8> endsAtMs{};  // by the mixer's channel
    std::uint64_t nowMs = 0;
    std::vector<std::uint64_t> cut;  // how much of each cut sound was left
    std::vector<AssistSound> played;
};

TEST_F(Assist, ACatchThatTakesSomethingSaysWhatAndBothItsSoundAndTheTheftsAreHeardWhole) {
    startPlaying();
    for (const bool piece : {true, false}) {
        GameState before = state();
        GameState after = before;
        before.phonePieceHeld[1] = piece;
        before.candyCount = piece ? 0 : 3;
        after.candyCount = 0;
        after.pursuer.alienCaught = true;
        TimedAssistSounds timed;
        AssistLayer fresh(timed);
        fresh.inputRead(before, {});
        fresh.turnEnds(after, drawing);
        EXPECT_EQ(fresh.line(), piece ? "Caught by the FBI agent! He took a phone piece."
                                      : "Caught by the FBI agent! He took your Crunko's pieces.");
        EXPECT_EQ(timed.played, std::vector<AssistSound>{AssistSound::Capture});
        int turns = 0;
        for (; timed.played.size() < 2 && turns < AssistLineTurns; ++turns) {
            timed.nowMs += FrameMs;
            fresh.inputRead(after, {});
            fresh.turnEnds(after, drawing);
        }
        EXPECT_EQ(timed.played,
                  (std::vector<AssistSound>{AssistSound::Capture, AssistSound::PieceTaken}));
        EXPECT_GE(turns, 10) << "the theft's sound must not cut the catch's";
        EXPECT_EQ(timed.cut, std::vector<std::uint64_t>{}) << "ms left of the sounds cut";
        EXPECT_FALSE(fresh.line().empty());
    }
}

TEST_F(Assist, TellsNothingOfAQuietTurnAnEatenPieceOfCandyOrANewGame) {
    startPlaying();
    GameState before = state();
    before.candyCount = 1;
    GameState eaten = before;
    eaten.candyCount = 0;
    GameState fresh = before;
    fresh.phonePieceHeld = {true, true, false};
    fresh.mode = PlayMode::Title;
    GameState reset = fresh;
    reset.phonePieceHeld = {};
    reset.mode = PlayMode::Arrival;
    turn(before, before);
    turn(before, eaten);
    turn(fresh, reset);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(layer.line(), "");
}

TEST_F(Assist, ALineLastsAboutTwoSecondsAndATakenIconBlinksBeforeItGoes) {
    startPlaying();
    GameState before = state();
    before.phonePieceHeld[0] = true;
    GameState after = before;
    after.phonePieceHeld[0] = false;
    turn(before, after);
    int lineTurns = 1;
    int iconShown = 0;
    int iconHidden = 0;
    for (int t = 0; t < 3 * AssistLineTurns; ++t) {
        canvas().fill(0, 0, 800, 50, Rgb{255, 0, 0});
        turn(after, after);
        lineTurns += layer.line().empty() ? 0 : 1;
        const Point at = PieceIconAt[0];
        const Rgb centre = canvas().pixel(at.x + 12, at.y + 15);
        (centre.r == 255 && centre.g == 0 && centre.b == 0 ? iconHidden : iconShown) += 1;
    }
    EXPECT_EQ(lineTurns, AssistLineTurns);
    EXPECT_GT(iconShown, AssistBlinkTurns / 3);
    EXPECT_LT(iconShown, AssistBlinkTurns) << "it should blink, then stay gone";
}

TEST_F(Assist, ShowsTheMapWhileItsKeyIsHeld) {
    startPlaying();
    auto with = [](Control control) {
        return TurnInput{{InputEvent{InputEvent::Type::Other, {}, control}}, {}};
    };
    turn(state(), state(), with(Control::Map));
    EXPECT_TRUE(layer.mapShown());
    turn(state(), state());
    EXPECT_TRUE(layer.mapShown());
    turn(state(), state(), with(Control::MapReleased));
    EXPECT_FALSE(layer.mapShown());
    turn(state(), state(), with(Control::Map));
    turn(state(), state(), with(Control::FocusLost));
    EXPECT_FALSE(layer.mapShown()) << "a key let go in another window never comes up here";
}

// A help picture that cannot be read is left out, and not looked for again
// at every draw of every turn.
TEST_F(Assist, AMissingPictureIsLookedForOnce) {
    PictureStore pictures;
    KeptCanvas kept(display().screen(), pictures, display().fonts());
    Canvas& canvas = kept;
    const Picture missing{"graphics/assist-nowhere.bmp", true};
    for (int turn = 0; turn < 3; ++turn) {
        canvas.drawSprite(missing, nullptr, Point{0, 0});
        canvas.drawSprite(pic::assistLife, nullptr, Point{0, 0});
    }
    EXPECT_EQ(pictures.filesOpened(), 2);
}

}  // namespace
}  // namespace qz::test
