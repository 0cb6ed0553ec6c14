#include "program/assist_events.h"

#include <array>

#include "core/indexed_array.h"

namespace qz {
namespace {

constexpr IndexedArray<AssistNews, AssistEvent, AssistEventCount> News{{{
    {AssistSound::PieceFound, "A piece of the phone found!"},
    {AssistSound::PieceTaken, "The agent took a piece!"},
    {AssistSound::PieceTaken, "The agent took your Crunko's pieces!"},
    {AssistSound::Capture, "Caught by the FBI agent!"},
    {AssistSound::Capture, "The scientist carries you off!"},
    {AssistSound::FlowerRevived, "One more life!"},
    {AssistSound::JorrinComing, "Out of energy: Jorrin is coming!"},
    {AssistSound::JorrinComing, "Jorrin is coming for the candy!"},
    {AssistSound::ShipCalled, "The ship is on its way!"},
    {AssistSound::Win, nullptr},
    {AssistSound::Loss, nullptr},
}}};

bool began(bool before, bool after) {
    return !before && after;
}

}  // namespace

AssistNews newsOf(AssistEvent event) {
    return News[event];
}

AssistNews caughtWithTheft(AssistEvent theft) {
    return {AssistSound::Capture, theft == AssistEvent::PieceTaken
                                      ? "Caught by the FBI agent! He took a phone piece."
                                      : "Caught by the FBI agent! He took your Crunko's pieces."};
}

int pieceTaken(const GameState& before, const GameState& after) {
    for (std::size_t i = 0; i < before.phonePieceHeld.size(); ++i) {
        if (before.phonePieceHeld[i] && !after.phonePieceHeld[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<AssistEvent> eventsOfTurn(const GameState& before, const GameState& after) {
    std::vector<AssistEvent> events;
    if (before.mode != PlayMode::Play) {
        return events;
    }
    auto tell = [&events](bool happened, AssistEvent event) {
        if (happened) {
            events.push_back(event);
        }
    };
    bool found = false;
    for (std::size_t i = 0; i < before.phonePieceHeld.size(); ++i) {
        found = found || began(before.phonePieceHeld[i], after.phonePieceHeld[i]);
    }
    tell(found, AssistEvent::PieceFound);
    tell(pieceTaken(before, after) >= 0, AssistEvent::PieceTaken);
    // Only the agent's catch empties the candy at once: eating takes one
    // piece, and Jorrin takes his while called.
    const PursuerState& agent = after.pursuer;
    tell(before.candyCount > 0 && after.candyCount == 0 && agent.alienCaught &&
             !agent.pursuerIsScientist,
         AssistEvent::CandyTaken);
    const bool caught = began(before.pursuer.alienCaught, after.pursuer.alienCaught);
    tell(caught && !agent.pursuerIsScientist, AssistEvent::CaughtByAgent);
    tell(caught && agent.pursuerIsScientist, AssistEvent::CaughtByScientist);
    tell(began(before.items.flowerRevived, after.items.flowerRevived), AssistEvent::FlowerRevived);
    tell(began(before.jorrin.alienCollapsed, after.jorrin.alienCollapsed),
         AssistEvent::JorrinRescuing);
    tell(began(before.jorrin.jorrinCalled, after.jorrin.jorrinCalled), AssistEvent::JorrinCalled);
    tell(began(before.shipCall.callActive, after.shipCall.callActive), AssistEvent::ShipCalled);
    const bool ended = after.mode == PlayMode::GameOver;
    tell(ended && after.lives > 0, AssistEvent::Win);
    tell(ended && after.lives == 0, AssistEvent::Loss);
    return events;
}

}  // namespace qz
