// The power zones: the random layout over many games, the cell test's
// bounds, using a zone with Z and the animation that carries the power out.
#include "world/power_zones.h"

#include <SDL/SDL_ttf.h>

#include <vector>

#include "harness/invariants.h"
#include "support/game_fixture.h"
#include "turn/new_game.h"
#include "turn/play_modes.h"
#include "turn/power_requests.h"
#include "view/world_view.h"
#include "world/area_map.h"
#include "world/scenery.h"

namespace qz::test {
namespace {

int kindAt(const GameState& s, int area, int cell) {
    const auto& zones = s.zones.zoneLayout[static_cast<AreaId>(area)];
    return zones[static_cast<std::size_t>(cell / 3)][static_cast<std::size_t>(cell % 3)];
}

void setKind(GameState& s, int area, int cell, ZoneKind kind) {
    auto& zones = s.zones.zoneLayout[static_cast<AreaId>(area)];
    zones[static_cast<std::size_t>(cell / 3)][static_cast<std::size_t>(cell % 3)] = kind;
}

// The layout rules every game must keep (at most one zone of each kind per
// area, one Call Ship and one Landing zone in the world, each in one of the
// top-left four cells) are among the invariants.
void expectSoundLayout(const GameState& s, const std::string& context) {
    EXPECT_EQ(checkInvariants(s), std::vector<std::string>{}) << context;
    EXPECT_TRUE(s.zones.callShipPlaced && s.zones.landingPlaced) << context;
}

TEST(ZoneLayout, EveryGameHasUniqueKindsPerAreaAndOneCallShipAndLandingZone) {
    std::array<int, 6> callShipAreas{};
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        GameState s;
        s.random.seed(seed);
        randomGameSetup(s);
        expectSoundLayout(s, "seed " + std::to_string(seed));
        for (AreaId area : OutdoorAreas) {
            for (int cell : {0, 1, 3, 4}) {
                callShipAreas[static_cast<std::size_t>(area)] += kindAt(s, area, cell) == CallShip;
            }
        }
        // A second game of the run places both zones anew.
        newGameReset(s);
        expectSoundLayout(s, "new game after seed " + std::to_string(seed));
    }
    for (AreaId area : OutdoorAreas) {
        EXPECT_GT(callShipAreas[static_cast<std::size_t>(area)], 200) << "area " << area;
    }
}

TEST(ZoneLayout, ShipZonesAreStillPlacedWhenNoCandidateCellIsFree) {
    // No free cell among 0, 1, 3 and 4 anywhere: the retry could never end.
    for (unsigned seed : {1u, 7u, 99u}) {
        GameState s;
        s.random.seed(seed);
        for (AreaId area : OutdoorAreas) {
            for (int cell = 0; cell < 9; ++cell) {
                setKind(s, area, cell, cell < 8 ? static_cast<ZoneKind>(cell) : NoZone);
            }
        }
        placeShipZones(s);
        expectSoundLayout(s, "full table, seed " + std::to_string(seed));
    }

    // A single free cell: the Call Ship zone finds it or, if Landing took it
    // first, a power zone gives way; both end up placed either way.
    GameState oneFree;
    oneFree.random.seed(5);
    for (AreaId area : OutdoorAreas) {
        for (int cell = 0; cell < 9; ++cell) {
            setKind(oneFree, area, cell, cell < 8 ? static_cast<ZoneKind>(cell) : NoZone);
        }
    }
    setKind(oneFree, AreaThree, 4, NoZone);
    placeShipZones(oneFree);
    expectSoundLayout(oneFree, "one free cell");
    EXPECT_EQ(kindAt(oneFree, AreaThree, 4), CallShip);
}

TEST(ZoneCells, TheAlienMustStandWhollyInsideACell) {
    struct Case {
        int x;
        int y;
        bool inside;
        int cell;
    };
    const std::array<Case, 8> cases{{
        {216, 108, true, 0},
        {217, 108, false, 0},
        {216, 109, false, 0},
        {0, 50, true, 0},
        {266, 183, true, 4},
        {748, 374, true, 8},
        {749, 374, false, 8},         // the two rightmost columns belong to no cell
        {65536 + 300, 200, true, 4},  // read as 16-bit
    }};
    for (const Case& c : cases) {
        GameState s;
        s.zones.zoneCell = 7;
        s.alienX = c.x;
        s.alienY = c.y;
        EXPECT_EQ(zoneCellTest(s), c.inside) << c.x << ", " << c.y;
        EXPECT_EQ(s.zones.zoneCell, c.inside ? c.cell : 7) << "a miss keeps the last cell";
    }
}

TEST(ZoneNames, TheKindFollowsTheAreasName) {
    EXPECT_EQ(zoneText(CallJorrin, WashingtonDC), "Washington DC / Call Jorrin Zone");
    EXPECT_EQ(zoneText(Landing, AreaFour), "Area Four / Landing Zone");
    EXPECT_EQ(zoneText(NoZone, AreaThree), "Area Three");
}

using Zones = GameTest;

int leftmostWhiteInTopBand(Canvas& canvas) {
    for (int x = 0; x < canvas.width(); ++x) {
        for (int y = 0; y < 50; ++y) {
            const Rgb p = canvas.pixel(x, y);
            if (p.r == 255 && p.g == 255 && p.b == 255) {
                return x;
            }
        }
    }
    return canvas.width();
}

// Standing in cell 4 of Area One, which holds `kind`.
void standInZone(GameState& s, ZoneKind kind) {
    s.area = AreaOne;
    s.alienX = 300;
    s.alienY = 200;
    setKind(s, AreaOne, 4, kind);
}

TEST_F(Zones, StandingInAZoneNamesItUntilTheAlienStepsOut) {
    startPlaying();
    standInZone(state(), EatCandy);
    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_TRUE(state().zones.inZoneCell);
    EXPECT_EQ(state().zones.zoneKind, EatCandy) << "looked up by the name line";

    // The name line shows the zone's text, far wider than the area's name.
    int width = 0;
    int height = 0;
    ASSERT_EQ(TTF_SizeText(display().fonts().small, "Area One / Eat Candy Zone", &width, &height),
              0);
    EXPECT_LE(leftmostWhiteInTopBand(canvas()), 400 - width / 2 + 12);

    // Stepping out keeps the kind last looked up and shows the area name.
    play(KeyScript().hold({KeyDown}, 8));
    EXPECT_FALSE(state().zones.inZoneCell);
    EXPECT_EQ(state().zones.zoneKind, EatCandy);
}

TEST_F(Zones, ZPaysTenInEveryCellAndRaisesOnlyWhatTheZoneAnswers) {
    for (int kind = Phone; kind <= NoZone; ++kind) {
        for (bool pursuer : {false, true}) {
            start(static_cast<unsigned>(kind) + 1);
            startPlaying();
            GameState& s = state();
            standInZone(s, static_cast<ZoneKind>(kind));
            s.pursuer.pursuerActive = pursuer;
            s.pursuer.pursuerDelay = pursuer ? 0 : 50;  // none is placed before the delay runs out
            play(KeyScript().hold({KeyDown}, 1).tap({KeyZ}));

            const bool raises = kind <= MoveRight || (kind == CallShip && pursuer);
            EXPECT_EQ(s.energy, 135) << "kind " << kind;
            EXPECT_EQ(s.zones.powerActive, raises) << "kind " << kind << " pursuer " << pursuer;
            for (int request = 0; request < PowerRequestCount; ++request) {
                EXPECT_EQ(s.zones.powerRequest[static_cast<ZoneKind>(request)],
                          raises && request == kind)
                    << "kind " << kind << " request " << request;
            }
        }
    }
}

TEST_F(Zones, ZNeverTakesTheEnergyBelowZeroAndCostsNothingOutsideACell) {
    startPlaying();
    play(KeyScript().tap({KeyZ}));
    EXPECT_EQ(state().energy, 145) << "the Forest's start point is in no cell";

    standInZone(state(), Landing);
    play(KeyScript().hold({KeyDown}, 1));
    state().energy = 4;
    play(KeyScript().hold({KeyZ}, 1));
    EXPECT_EQ(state().energy, 0);
    EXPECT_FALSE(state().zones.powerActive);
}

TEST_F(Zones, TheAnimationBobsFourTurnsThenAMoveZoneChangesTheAreaOnly) {
    startPlaying();
    GameState& s = state();
    s.area = Forest;
    s.alienX = 100;
    s.alienY = 195;
    setKind(s, Forest, 3, MoveLeft);
    play(KeyScript().hold({KeyDown}, 1));  // into cell 3 at (100, 200)

    play(KeyScript().hold({KeyZ}, 1));
    for (int turn = 1; turn <= 4; ++turn) {
        if (turn > 1) {
            play(KeyScript().idle(1));
        }
        EXPECT_TRUE(s.zones.powerActive) << "turn " << turn;
        EXPECT_EQ(s.zones.powerAnim, 50 * turn) << "turn " << turn;
        EXPECT_EQ(s.area, Forest);
    }
    EXPECT_EQ(s.energy, 135) << "the key's own turn already pays";
    play(KeyScript().idle(1));
    EXPECT_FALSE(s.zones.powerActive);
    EXPECT_EQ(s.zones.powerAnim, 0);
    EXPECT_EQ(s.area, AreaFour);
    EXPECT_EQ(s.alienX, 100);
    EXPECT_EQ(s.alienY, 200);
    EXPECT_TRUE(s.zones.inZoneCell);
    EXPECT_FALSE(s.zones.powerRequest[MoveLeft]);
    EXPECT_EQ(s.zones.zoneKind, kindAt(s, AreaFour, 3)) << "named in the new area at once";

    // Another zone used later does not move the alien again.
    setKind(s, AreaFour, 3, Phone);
    play(KeyScript().idle(1).tap({KeyZ}).idle(5));  // a turn to look the new kind up first
    EXPECT_EQ(s.area, AreaFour);
}

TEST_F(Zones, EachHeadBobTurnWaitsThirtyMillisecondsAndTheFifthDrawsNoAlien) {
    GameState s;
    s.mode = PlayMode::Play;
    s.area = AreaOne;  // nothing stands in front of the alien here
    s.zones.powerActive = true;
    VirtualClock clock;
    ScriptedInput input;
    RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
    Runtime rt{s, canvas(), clock, input, sound};
    for (int turn = 1; turn <= 5; ++turn) {
        RulesView t = rt.freshRecord();
        playTurn(t);
        std::vector<int> waits;
        for (const Cue& cue : rt.record.cues.cues()) {
            if (cue.kind == Cue::Kind::Wait) {
                waits.push_back(cue.value);
            }
        }
        EXPECT_EQ(waits, turn <= 4 ? std::vector<int>{30} : std::vector<int>{}) << "turn " << turn;
        canvas().draw(rt.record.draws);
    }
    // The fifth turn left the bare ground where the alien stands.
    std::vector<Rgb> shown;
    for (int y = s.alienY; y < s.alienY + 75; ++y) {
        for (int x = s.alienX; x < s.alienX + 50; ++x) {
            shown.push_back(canvas().pixel(x, y));
        }
    }
    drawBackground(drawn(), AreaOne);
    std::size_t i = 0;
    int differing = 0;
    for (int y = s.alienY; y < s.alienY + 75; ++y) {
        for (int x = s.alienX; x < s.alienX + 50; ++x, ++i) {
            const Rgb ground = canvas().pixel(x, y);
            differing += ground.r != shown[i].r || ground.g != shown[i].g || ground.b != shown[i].b;
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(s.alienAnimFrame, 0) << "nor was the walking alien drawn";
}

TEST_F(Zones, AfterAMoveZoneTheFirstStepStillSeesTheOldAreasHoles) {
    startPlaying();
    GameState& s = state();
    s.areaHoles.holeLayoutOf = {1, 2, 3, 0};  // Area One without a hole at (240, 240)
    standInZone(s, MoveLeft);                 // Area One's left neighbour is Area Four
    play(KeyScript().hold({KeyDown}, 1).tap({KeyZ}).idle(3));
    ASSERT_EQ(s.area, AreaFour);

    // Above Area Four's hole at (240, 240), which Area One's layout lacks.
    s.alienX = 250;
    s.alienY = 170;
    play(KeyScript().hold({KeyDown}, 1));
    EXPECT_FALSE(s.areaHoles.onHole) << "tested against Area One's holes";
    play(KeyScript().hold({KeyUp}, 1));
    EXPECT_TRUE(s.areaHoles.onHole) << "Area Four's holes from the next turn on";
    EXPECT_EQ(s.areaHoles.holeIndex, 1);
}

TEST(PowerRequests, MovesComeFirstInTheirOrderAndOnlyTheyAreCleared) {
    GameState s;
    s.area = AreaTwo;
    for (int kind : {MoveUp, MoveLeft, PushBackHumans, Phone, CallShip}) {
        s.zones.powerRequest[static_cast<ZoneKind>(kind)] = true;
    }
    carryOutPowerRequests(s);
    EXPECT_EQ(s.area, AreaFour) << "Area Two, up to Area One, then left to Area Four";
    EXPECT_TRUE(s.pursuer.pushBackInForce);
    for (int kind = Phone; kind <= CallShip; ++kind) {
        const bool kept = kind == PushBackHumans || kind == Phone || kind == CallShip;
        EXPECT_EQ(s.zones.powerRequest[static_cast<ZoneKind>(kind)], kept) << "kind " << kind;
    }
}

}  // namespace
}  // namespace qz::test
