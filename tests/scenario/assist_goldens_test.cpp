// The won and the lost golden games played with the assist layer and
// without: the same turns, states and game sounds; the assist's own sounds
// for what happened; and the same frames wherever it has nothing to show.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "program/assist_layer.h"
#include "support/game_fixture.h"
#include "support/golden_file.h"

namespace qz::test {
namespace {

struct GameRun {
    std::vector<TurnOutcome> records;
    std::vector<std::uint64_t> frames;
    std::vector<PlayMode> modes;
};

class AssistGoldens : public GameTest {
  protected:
    GameRun play(const Golden& golden, AssistLayer* layer) {
        start(golden.seed);
        runner().runtime().overlay = layer;
        // A turn that draws nothing leaves the frame before it: both runs
        // start from the same black one, not from where the last run ended.
        canvas().fill(0, 0, 800, 600, Rgb{0, 0, 0});
        canvas().pixelDigest();
        if (layer) {
            // The map held all game long: it must change nothing either.
            const InputEvent mapKey{InputEvent::Type::KeyDown, {}, Control::Map};
            layer->inputRead(state(), TurnInput{{mapKey}, {}});
        }
        GameRun run;
        for (const ScriptedTurn& input : golden.script) {
            run.records.push_back(runner().runTurn(input));
            run.frames.push_back(canvas().pixelDigest());
            run.modes.push_back(state().mode);
        }
        return run;
    }

    // Plays the golden both ways; gives the assist's sounds.
    std::vector<AssistSound> compare(const std::string& name, bool won) {
        SCOPED_TRACE(name);
        const auto golden = readGolden(std::string(QZ_GOLDEN_DIR) + "/" + name + ".txt");
        EXPECT_TRUE(golden);
        if (!golden) {
            return {};
        }
        const GameRun without = play(*golden, nullptr);
        RecordingAssistSounds sounds;
        AssistLayer layer(sounds);
        const GameRun with = play(*golden, &layer);
        EXPECT_TRUE(matchesGolden(name, golden->seed, without.records));
        EXPECT_TRUE(with.records == without.records) << "the assist changed the game";
        int drawnOver = 0;
        for (std::size_t t = 0; t < with.frames.size(); ++t) {
            const PlayMode mode = with.modes[t];
            if (mode == PlayMode::Play || (won && mode == PlayMode::GameOver)) {
                drawnOver += with.frames[t] != without.frames[t] ? 1 : 0;
            } else {
                EXPECT_EQ(with.frames[t], without.frames[t]) << "turn " << t + 1;
            }
        }
        EXPECT_GT(drawnOver, 0);
        return sounds.played;
    }
};

int times(const std::vector<AssistSound>& played, AssistSound sound) {
    return static_cast<int>(std::count(played.begin(), played.end(), sound));
}

TEST_F(AssistGoldens, AWonGameRunsTheSameAndIsToldAsAWin) {
    const std::vector<AssistSound> played = compare("won_game", true);
    EXPECT_GE(times(played, AssistSound::PieceFound), 3);
    EXPECT_GE(times(played, AssistSound::ShipCalled), 1);
    EXPECT_EQ(times(played, AssistSound::Win), 1);
    EXPECT_EQ(times(played, AssistSound::Loss), 0);
}

TEST_F(AssistGoldens, ALostGameRunsTheSameAndKeepsItsEndScreen) {
    const std::vector<AssistSound> played = compare("lost_game", false);
    EXPECT_EQ(times(played, AssistSound::Loss), 1);
    EXPECT_EQ(times(played, AssistSound::Win), 0);
}

}  // namespace
}  // namespace qz::test
