// checkInvariants on contrived states: one that holds everything, then one
// fault at a time.
#include "harness/invariants.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "world/play_field.h"

namespace qz::test {
namespace {

// A game in play with its items placed: pieces 1 and 2 in holes, piece 3
// held, the flower in a hole.
GameState placedGame() {
    GameState s;
    s.mode = PlayMode::Play;
    s.area = AreaTwo;
    s.areaHoles.holeLayoutOf = {2, 3, 1, 0};
    s.items.holeContents[0][1] = PhonePiece1;
    s.items.holeContents[1][0] = PhonePiece2;
    s.items.holeContents[2][2] = Flower;
    s.items.holeContents[3][4] = Searched;
    s.phonePieceHeld[2] = true;
    s.items.foundOrder = {PhonePiece3, 0, 0};
    s.candy = CandyState{50, 424, AreaThree, 0, false, false};
    return s;
}

TEST(Invariants, EachFaultIsNamedAndTheLimitsThemselvesHold) {
    EXPECT_EQ(checkInvariants(GameState{}), std::vector<std::string>{})
        << "a state before any set-up";
    EXPECT_EQ(checkInvariants(placedGame()), std::vector<std::string>{});

    const std::vector<std::pair<std::string, std::function<void(GameState&)>>> holding{
        {"the far corners of the walk",
         [](GameState& s) {
             s.alienX = AlienRightLimit + AlienStep - 1;
             s.alienY = AlienTopLimit - AlienStep + 1;
         }},
        {"the far corners inside a hole",
         [](GameState& s) {
             s.area = InsideHole;
             s.alienX = -1000;  // the outdoor position is not read inside
             s.holeVisit.holeX = HoleLeftLimit;
             s.holeVisit.holeY = HoleBottomLimit;
         }},
        {"the scientist carrying the alien down to its jump",
         [](GameState& s) {
             s.area = WashingtonDC;
             s.pursuer.alienCaught = true;
             s.pursuer.pursuerIsScientist = true;
             s.pursuer.pursuerY = 349;
             s.alienY = 389;
         }},
        {"positions outside Play", [](GameState& s) {
             s.mode = PlayMode::GameOver;
             s.alienY = 1000;
         }}};
    for (const auto& [what, change] : holding) {
        GameState s = placedGame();
        change(s);
        EXPECT_EQ(checkInvariants(s), std::vector<std::string>{}) << what;
    }

    const std::vector<std::pair<std::string, std::function<void(GameState&)>>> broken{
        {"mode 2", [](GameState& s) { s.mode = static_cast<PlayMode>(2); }},
        {"energy 146", [](GameState& s) { s.energy = 146; }},
        {"energy -1", [](GameState& s) { s.energy = -1; }},
        {"lives -1", [](GameState& s) { s.lives = -1; }},
        {"score -10", [](GameState& s) { s.score = -10; }},
        {"area 7", [](GameState& s) { s.area = static_cast<AreaId>(7); }},
        {"alienX 755", [](GameState& s) { s.alienX = AlienRightLimit + AlienStep; }},
        {"alienY 25", [](GameState& s) { s.alienY = AlienTopLimit - AlienStep; }},
        {"holeX 70",
         [](GameState& s) {
             s.area = InsideHole;
             s.holeVisit.holeX = HoleLeftLimit - AlienStep;
         }},
        {"holeY 335",
         [](GameState& s) {
             s.area = InsideHole;
             s.holeVisit.holeY = HoleBottomLimit + 1;
         }},
        {"holeLayoutOf 2 3 1 1", [](GameState& s) { s.areaHoles.holeLayoutOf[3] = 1; }},
        {"holeLayoutOf 2 2 1 0", [](GameState& s) { s.areaHoles.holeLayoutOf[1] = 2; }},
        {"holeLayoutOf 0 0 0 0", [](GameState& s) { s.areaHoles.holeLayoutOf = {}; }},
        {"phone piece 3 is held and also lies in 1",
         [](GameState& s) { s.items.holeContents[1][1] = PhonePiece3; }},
        {"phone piece 1 is not held and lies in 0",
         [](GameState& s) { s.items.holeContents[0][1] = Searched; }},
        {"phone piece 2 is not held and lies in 2",
         [](GameState& s) { s.items.holeContents[2][1] = PhonePiece2; }},
        {"2 holes hold the flower", [](GameState& s) { s.items.holeContents[0][0] = Flower; }},
        {"0 holes hold the flower", [](GameState& s) { s.items.holeContents[2][2] = Empty; }},
        {"jorrinFacing 5", [](GameState& s) { s.jorrin.jorrinFacing = static_cast<Facing>(5); }},
        {"has not revived it",
         [](GameState& s) { s.jorrin = {0, 0, FacingLeft, true, true, ExitUp, true, false}; }},
        {"without the Call Jorrin request", [](GameState& s) { s.jorrin.jorrinCalled = true; }},
        {"without the Call Ship request", [](GameState& s) { s.shipCall.callActive = true; }},
        {"phoneMarkBlink 26", [](GameState& s) { s.phoneMarks.phoneMarkBlink = 26; }},
        {"pursuerFollows 4", [](GameState& s) { s.pursuer.pursuerFollows = 4; }},
        {"pursuerDelay 900", [](GameState& s) { s.pursuer.pursuerDelay = 900; }},
        {"pursuerHideCountdown 1501", [](GameState& s) { s.pursuer.pursuerHideCountdown = 1501; }},
        {"pursuerFacing 5", [](GameState& s) { s.pursuer.pursuerFacing = static_cast<Facing>(5); }},
        {"alienY while carried 600 is outside 26..599",
         [](GameState& s) {
             s.pursuer.alienCaught = true;
             s.pursuer.pursuerIsScientist = true;
             s.alienY = 600;
         }},
        {"the scientist holds the alien inside a hole",
         [](GameState& s) {
             s.area = InsideHole;
             s.pursuer.pursuerIsScientist = true;
             s.pursuer.alienCaught = true;
         }},
        {"phone piece 3 is held and stands 2 times in foundOrder",
         [](GameState& s) { s.items.foundOrder[2] = PhonePiece3; }},
        {"phone piece 1 is not held and stands 1 times in foundOrder",
         [](GameState& s) { s.items.foundOrder[1] = PhonePiece1; }},
        {"hole [0][3] holds item 1 but never holds an item",
         [](GameState& s) { std::swap(s.items.holeContents[0][1], s.items.holeContents[0][3]); }},
        {"hole [3][2] holds item 4 but never holds an item",
         [](GameState& s) { std::swap(s.items.holeContents[2][2], s.items.holeContents[3][2]); }},
        {"hole [1][4] holds 6", [](GameState& s) { s.items.holeContents[1][4] = 6; }},
        {"the candy lies at 50,424 in area 4", [](GameState& s) { s.candy.candyArea = AreaFour; }},
        {"the candy lies at 50,425", [](GameState& s) { s.candy.candyY = 425; }},
        {"candyLook 101", [](GameState& s) { s.candy.candyLook = 101; }},
        {"area 2 holds 2 zones of kind 6",
         [](GameState& s) {
             s.zones.zoneLayout[AreaTwo][0][0] = MoveLeft;
             s.zones.zoneLayout[AreaTwo][1][2] = MoveLeft;
         }},
        {"0 zones of kind 8, not 1", [](GameState& s) { s.zones.callShipPlaced = true; }},
        {"1 zones of kind 9 before it is placed",
         [](GameState& s) { s.zones.zoneLayout[Forest][1][1] = Landing; }},
        {"zone kind 8 in cell 5",
         [](GameState& s) {
             s.zones.zoneLayout[WashingtonDC][1][2] = CallShip;
             s.zones.callShipPlaced = true;
         }},
    };
    for (const auto& [fault, change] : broken) {
        GameState s = placedGame();
        change(s);
        const std::vector<std::string> found = checkInvariants(s);
        ASSERT_EQ(found.size(), 1u) << fault << ": " << ::testing::PrintToString(found);
        EXPECT_NE(found[0].find(fault), std::string::npos) << found[0];
    }
}

}  // namespace
}  // namespace qz::test
