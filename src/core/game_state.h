// GameState: the one record of play state for the whole run.
//
// Invariants: it stays plain data (no pointers that own, no virtuals), so a
// value-initialised GameState is the state at program start and a copy is a
// snapshot. Start values are written here and nowhere else; the new-game
// reset (newGameReset) starts from them too, but for what it carries over. Each topic
// keeps its fields in a sub-record of its own beside this one in core/.
#pragma once

#include <array>
#include <cstdint>

#include "core/area_id.h"
#include "core/candy_state.h"
#include "core/hole_content.h"
#include "core/hole_state.h"
#include "core/hole_visit_state.h"
#include "core/jorrin_state.h"
#include "core/phone_mark_state.h"
#include "core/play_mode.h"
#include "core/pursuer_state.h"
#include "core/random_generator.h"
#include "core/ship_call_state.h"
#include "core/zone_kind.h"

namespace qz {

// The time counter starts here and returns here each time it costs energy.
constexpr int TimeUnitsFull = 9999;
// Turns before the title texts first alternate; later phases last one more.
constexpr int TitleBlinkTurns = 360;

// The counters that only grow over a whole run. A run left going for years
// wraps them round at 2^32; the frames they pick follow their last bits, so
// walking looks the same on either side of the wrap.
using DrawCount = std::uint32_t;

struct GameState {
    PlayMode mode = PlayMode::Title;
    bool quitRequested = false;

    // The alien. Positions are 32-bit, but the hit tests read them as 16-bit.
    AreaId area = Forest;
    int alienX = 340;
    int alienY = 160;
    Facing alienFacing = FacingLeft;
    bool alienWalking = false;
    DrawCount alienAnimFrame = 0;  // never reset; picks the walking frame

    int energy = 145;  // 0..145, also the bar's width in pixels
    int lives = 3;
    std::int64_t score = 0;  // wide: a game fed candy for ever never ends
    int candyCount = 0;
    int timeUnits = TimeUnitsFull;  // energy sub-counter: one point lost at each multiple of 99
    std::array<bool, 3> phonePieceHeld{};

    // Title and arrival bookkeeping.
    bool newGamePending = false;
    bool instructionsShown = false;
    int instructionPage = 0;  // 1..3 while shown, 0 otherwise
    int titleBlinkCountdown = TitleBlinkTurns;
    int titleBlinkPhase = 0;
    int themeCountdown = 0;
    int arrivalFrame = 0;
    int shipY = -225;

    // Shared by the FBI agent, the scientist and Jorrin to pick their walking
    // frame; counts draws over the whole run, never reset.
    DrawCount characterDrawCount = 0;

    HoleState areaHoles;
    HoleVisit holeVisit;
    ZoneState zones;
    ItemState items;
    CandyState candy;
    ShipCallState shipCall;
    PursuerState pursuer;
    JorrinState jorrin;
    PhoneMarkState phoneMarks;

    // Every random choice of the run deals from here, in the order of play;
    // seeded once at start-up, never by a new game.
    RandomGenerator random;
};

// Every field by name, for the replay record; a new field goes here too
// (core/state_fields.cpp counts them at compile time).
template <class F>
constexpr void forEachField(const GameState& s, F&& f) {
    f("mode", s.mode);
    f("quitRequested", s.quitRequested);
    f("area", s.area);
    f("alienX", s.alienX);
    f("alienY", s.alienY);
    f("alienFacing", s.alienFacing);
    f("alienWalking", s.alienWalking);
    f("alienAnimFrame", s.alienAnimFrame);
    f("energy", s.energy);
    f("lives", s.lives);
    f("score", s.score);
    f("candyCount", s.candyCount);
    f("timeUnits", s.timeUnits);
    f("phonePieceHeld", s.phonePieceHeld);
    f("newGamePending", s.newGamePending);
    f("instructionsShown", s.instructionsShown);
    f("instructionPage", s.instructionPage);
    f("titleBlinkCountdown", s.titleBlinkCountdown);
    f("titleBlinkPhase", s.titleBlinkPhase);
    f("themeCountdown", s.themeCountdown);
    f("arrivalFrame", s.arrivalFrame);
    f("shipY", s.shipY);
    f("characterDrawCount", s.characterDrawCount);
    f("areaHoles", s.areaHoles);
    f("holeVisit", s.holeVisit);
    f("zones", s.zones);
    f("items", s.items);
    f("candy", s.candy);
    f("shipCall", s.shipCall);
    f("pursuer", s.pursuer);
    f("jorrin", s.jorrin);
    f("phoneMarks", s.phoneMarks);
    f("random", s.random);
}

}  // namespace qz
