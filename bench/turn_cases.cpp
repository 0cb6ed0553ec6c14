#include "turn_cases.h"

#include "world/play_field.h"

namespace qz::bench {
namespace {

KeyScript toPlay() {
    return KeyScript().hold({KeyS}, 1).idle(59);
}

ScriptedTurn walkingRight() {
    return KeyScript().hold({KeyRight}, 1).turns().front();
}

TurnCase walkIn(const char* name, AreaId area) {
    return TurnCase{name,
                    1,
                    toPlay(),
                    [area](GameState& s) { s.area = area; },
                    walkingRight(),
                    [area](const GameState& s) { return s.area == area && s.mode == PlayMode::Play; }};
}

}  // namespace

std::vector<TurnCase> turnCases() {
    std::vector<TurnCase> cases;
    // Every tree, a pursuer, Jorrin on a called visit, three pieces and the countdown in the top
    // band, and every status text with long numbers.
    cases.push_back(TurnCase{"worst: Forest, all drawn", 1, toPlay(),
                             [](GameState& s) {
                                 s.area = Forest;
                                 s.phonePieceHeld = {true, true, true};
                                 s.shipCall.callActive = true;
                                 s.shipCall.callQuarter = 3;
                                 s.candyCount = 12;
                                 s.score = 123450;
                                 s.pursuer.pursuerActive = true;
                                 s.pursuer.pursuerDelay = 0;
                                 s.pursuer.pursuerX = 600;
                                 s.pursuer.pursuerY = 300;
                                 s.jorrin.jorrinCalled = true;
                                 s.jorrin.jorrinX = 100;
                                 s.jorrin.jorrinY = 250;
                             },
                             walkingRight(),
                             [](const GameState& s) { return s.shipCall.callActive; }});
    cases.push_back(walkIn("Forest", Forest));
    cases.push_back(walkIn("Area One", AreaOne));
    cases.push_back(walkIn("Area Two", AreaTwo));
    cases.push_back(walkIn("Area Three", AreaThree));
    cases.push_back(walkIn("Area Four", AreaFour));
    cases.push_back(walkIn("Washington DC", WashingtonDC));
    // Over Area Four's right edge into the Forest: every pixel is new.
    cases.push_back(TurnCase{
        "crossing into the Forest", 1, toPlay(),
        [](GameState& s) {
            s.area = AreaFour;
            s.alienX = AlienRightLimit - AlienStep;
        },
        walkingRight(),
        [](const GameState& s) { return s.area == AreaFour && s.alienX == AlienRightLimit; }});
    // Down Area Four's hole 3 with this seed, landed and walking.
    KeyScript hole = toPlay();
    hole.hold({KeyLeft}, 69).hold({KeyUp}, 15).hold({KeyLeft}, 50).hold({KeyDown}, 37);
    hole.tap({KeyX}).idle(40);
    cases.push_back(TurnCase{
        "inside a hole", 20240611, hole, [](GameState&) {}, walkingRight(),
        [](const GameState& s) { return s.area == InsideHole && s.holeVisit.holeLanded; }});
    return cases;
}

KeyScript longGame() {
    KeyScript game = toPlay();
    for (int round = 0; round < 6; ++round) {
        game.hold({KeyLeft}, 69).hold({KeyUp}, 15).hold({KeyLeft}, 50).hold({KeyDown}, 37);
        game.tap({KeyX}).idle(40).hold({KeyRight}, 20).tap({KeyX}).idle(80);
        game.hold({KeyUp}, 150).hold({KeyRight}, 80);
    }
    return game;
}

}  // namespace qz::bench
