// A whole game played with nothing but pad events, through the display
// library's event queue and the game's own input, goes turn for turn as the
// same game played with the keys.
#include <SDL/SDL.h>

#include "controls/library_input.h"
#include "scenario/autopilot.h"
#include "support/game_fixture.h"
#include "turn/new_game.h"

namespace qz::test {
namespace {

// Where each word lies on the pad: the arrows on both the hat and a stick,
// the rest on buttons, as the defaults have them.
struct PadPlace {
    GameKey key;
    enum { Hat, Axis, Button } kind;
    int number;  // a hat bit, an axis (with its sign), or a button
};
constexpr PadPlace Places[] = {
    {GameKey::Left, PadPlace::Hat, SDL_HAT_LEFT}, {GameKey::Up, PadPlace::Hat, SDL_HAT_UP},
    {GameKey::Right, PadPlace::Axis, 0},          {GameKey::Down, PadPlace::Axis, 1},
    {GameKey::Drop, PadPlace::Button, 0},         {GameKey::Power, PadPlace::Button, 1},
    {GameKey::Start, PadPlace::Button, 7},        {GameKey::Instructions, PadPlace::Button, 3},
    {GameKey::Quit, PadPlace::Button, 6},
};

HeldKeys heldOf(const ScriptedTurn& turn) {
    HeldKeys held;
    for (GameKey key : turn.held) {
        held.press(key);
    }
    return held;
}

// Puts into the display library's queue what a pad sends when the keys of
// `before` give way to those of `now`.
void pushPadEvents(HeldKeys before, HeldKeys now) {
    Uint8 hatBefore = 0, hatNow = 0;
    for (const PadPlace& place : Places) {
        if (before[place.key] == now[place.key]) {
            continue;
        }
        SDL_Event e{};
        switch (place.kind) {
            case PadPlace::Hat:
                break;
            case PadPlace::Axis:
                e.type = SDL_JOYAXISMOTION;
                e.jaxis.axis = static_cast<Uint8>(place.number);
                // Past the dead zone when held, inside it when let go.
                e.jaxis.value = static_cast<Sint16>(now[place.key] ? 20000 : 3000);
                SDL_PushEvent(&e);
                break;
            case PadPlace::Button:
                e.type = now[place.key] ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
                e.jbutton.button = static_cast<Uint8>(place.number);
                e.jbutton.state = now[place.key] ? SDL_PRESSED : SDL_RELEASED;
                SDL_PushEvent(&e);
                break;
        }
    }
    for (const PadPlace& place : Places) {
        if (place.kind == PadPlace::Hat) {
            hatBefore = static_cast<Uint8>(hatBefore | (before[place.key] ? place.number : 0));
            hatNow = static_cast<Uint8>(hatNow | (now[place.key] ? place.number : 0));
        }
    }
    if (hatBefore != hatNow) {
        SDL_Event e{};
        e.type = SDL_JOYHATMOTION;
        e.jhat.value = hatNow;
        SDL_PushEvent(&e);
    }
}

using PadGame = GameTest;

TEST_F(PadGame, AGameWonWithThePadGoesTurnForTurnAsWithTheKeys) {
    constexpr unsigned Seed = 3;
    // The keys' game: the autopilot plays it home; its keys are kept.
    start(Seed);
    std::vector<ScriptedTurn> turns = KeyScript()
                                          .idle(2)
                                          .tap({KeyI})
                                          .tap({KeyI})
                                          .tap({KeyEscape})
                                          .hold({KeyS}, 1)
                                          .idle(59)
                                          .turns();
    std::vector<std::uint64_t> digests;
    for (const ScriptedTurn& turn : turns) {
        runner().step(turn);
        digests.push_back(stateDigest(state()));
    }
    ScriptedTurn last;
    while (state().mode == PlayMode::Play && turns.size() < 20000) {
        last = playToWin(state(), last);
        turns.push_back(last);
        runner().step(last);
        digests.push_back(stateDigest(state()));
    }
    ASSERT_EQ(state().mode, PlayMode::GameOver) << "the autopilot did not win";

    // The same keys as pad events, read by the game's own input.
    SDL_Event stale;
    while (SDL_PollEvent(&stale)) {
    }
    GameState padState;
    padState.random.seed(Seed);
    randomGameSetup(padState);
    padState.mode = PlayMode::Title;
    VirtualClock clock;
    RecordingSoundBoard sound(clock, DefaultSoundLengthsMs);
    PadDevice pad;
    const Bindings bindings = Bindings::defaults();
    LibraryInput input;
    input.use(bindings, &pad, {});
    Runtime rt{padState, canvas(), clock, input, sound};
    TurnLoop loop(rt);
    HeldKeys before;
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const HeldKeys now = heldOf(turns[i]);
        pushPadEvents(before, now);
        before = now;
        playTurn(loop, clock);
        ASSERT_EQ(stateDigest(padState), digests[i]) << "turn " << i << " went otherwise";
    }
    EXPECT_EQ(padState.mode, PlayMode::GameOver);
}

}  // namespace
}  // namespace qz::test
