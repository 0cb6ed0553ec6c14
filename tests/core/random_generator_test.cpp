#include "core/random_generator.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/game_state.h"
#include "core/state_fields.h"
#include "items/candy.h"
#include "turn/new_game.h"

namespace qz {
namespace {

// The generator stands in for the C library's, so it must deal the host
// library's numbers, seed for seed, well past the table's first rounds;
// seed 0 is taken as 1, and seeds at or over 2^31 wrap to negative words.
TEST(RandomGenerator, DealsWhatTheCLibrarysRandDealsForTheSameSeed) {
    for (const unsigned seed : {0u, 1u, 2u, 9u, 1234u, 1700000000u, 2147483648u, 4294967295u}) {
        RandomGenerator generator(seed);
        std::srand(seed);
        for (int draw = 0; draw < 5000; ++draw) {
            const int expected = std::rand();
            ASSERT_EQ(generator.deal(), expected) << "seed " << seed << ", draw " << draw;
        }
    }
    RandomGenerator unseeded;
    std::srand(1);
    for (int draw = 0; draw < 100; ++draw) {
        const int expected = std::rand();
        ASSERT_EQ(unseeded.deal(), expected) << "unseeded, draw " << draw;
    }
}

// A copy of the state is a snapshot: whatever the original deals after the
// copy was taken, the copy goes on to deal the same, as if from that moment.
TEST(RandomGenerator, ACopiedStatePlaysOnAsTheOriginalDid) {
    GameState original;
    original.random.seed(77);
    randomGameSetup(original);
    const GameState snapshot = original;
    auto playOn = [](GameState& s) {
        for (int game = 0; game < 3; ++game) {
            newGameReset(s);
            respawnCandy(s);
        }
    };
    playOn(original);
    GameState copy = snapshot;
    EXPECT_NE(describeState(copy), describeState(original));
    playOn(copy);
    EXPECT_EQ(describeState(copy), describeState(original));
    EXPECT_EQ(copy.random, original.random);
}

}  // namespace
}  // namespace qz
