#include "program/assist_layer.h"

#include <algorithm>

#include "characters/jorrin.h"
#include "core/graphics_files.h"
#include "program/assist_events.h"
#include "program/assist_landing.h"
#include "program/assist_map.h"
#include "view/character_sprites.h"
#include "view/status_bar.h"
#include "world/play_field.h"
#include "world/scenery.h"

namespace qz {
namespace {

constexpr Rgb LineColour{255, 230, 90};
constexpr Rgb Shadow{0, 0, 0};
constexpr int LineHeight = 24;
constexpr int LineTopY = PlayFieldTop + 8;
constexpr int LineBottomY = PlayFieldBottom - 8 - LineHeight;

// The heads of the lives, below the energy bar.
constexpr Point LivesAt{200, 568};
constexpr int LifeStep = 26;
constexpr int MostLivesShown = 5;

bool overlaps(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Below the top band, or above the status bar when the alien stands there.
void drawLine(Drawing& drawing, const GameState& state, const std::string& text) {
    const bool alienHigh = alienDrawnAt(state).y < LineTopY + LineHeight;
    const int y = alienHigh ? LineBottomY : LineTopY;
    // A shadow two rows down keeps the line readable on grass and stone alike.
    drawing.drawTextCentred(FontSize::Medium, text, Shadow, y + 2);
    drawing.drawTextCentred(FontSize::Medium, text, LineColour, y);
}

void drawLives(Drawing& drawing, int lives) {
    for (int i = 0; i < lives && i < MostLivesShown; ++i) {
        drawing.drawSprite(pic::assistLife, nullptr, Point{LivesAt.x + i * LifeStep, LivesAt.y});
    }
}

// The alien's outline over the tree or building it stands behind, where it
// was drawn walking.
void drawOutlineBehindScenery(Drawing& drawing, const GameState& s) {
    if (s.zones.powerActive || jorrinVisitRuns(s)) {
        return;
    }
    const Rect alien{s.alienX, s.alienY, AlienWidth, AlienHeight};
    for (const Rect& box : sceneryInFront(s.area)) {
        if (overlaps(alien, box)) {
            const Picture sheet = pic::assistOutline[s.alienFacing == FacingRight ? 1 : 0];
            const Rect cell{alienWalkCellX(s.alienWalking, s.alienAnimFrame - 1), 0, AlienWidth,
                            AlienHeight};
            drawing.drawSprite(sheet, &cell, Point{s.alienX, s.alienY});
            return;
        }
    }
}

}  // namespace

void AssistLayer::inputRead(const GameState& state, const TurnInput& input) {
    before_ = state;
    followMapKey(input);
}

void AssistLayer::followMapKey(const TurnInput& input) {
    for (const InputEvent& event : input.events) {
        if (event.control == Control::Map) {
            mapHeld_ = true;
        } else if (event.control == Control::MapReleased || event.control == Control::FocusLost) {
            mapHeld_ = false;
        }
    }
}

void AssistLayer::tell(const GameState& state) {
    if (followTurns_ > 0 && --followTurns_ == 0) {
        sound_.playAssist(following_);
    }
    const std::vector<AssistEvent> events = eventsOfTurn(before_, state);
    auto told = [&events](AssistEvent event) {
        return std::find(events.begin(), events.end(), event) != events.end();
    };
    // The agent's catch comes after its theft in the turn; told apart, the
    // catch's line and sound would hide the theft's.
    const AssistEvent theft =
        told(AssistEvent::PieceTaken) ? AssistEvent::PieceTaken : AssistEvent::CandyTaken;
    const bool robbed = told(AssistEvent::CaughtByAgent) && told(theft);
    for (const AssistEvent event : events) {
        if (robbed && event == theft) {
            following_ = newsOf(event).sound;
            followTurns_ = AssistFollowTurns;
        } else {
            const AssistNews news = robbed && event == AssistEvent::CaughtByAgent
                                        ? caughtWithTheft(theft)
                                        : newsOf(event);
            sound_.playAssist(news.sound);
            if (news.line) {
                line_ = news.line;
                lineTurns_ = AssistLineTurns;
            }
        }
        if (event == AssistEvent::PieceTaken) {
            blinkingPiece_ = pieceTaken(before_, state);
            blinkTurns_ = AssistBlinkTurns;
        }
        if (event == AssistEvent::Win) {
            won_ = true;
            endTurn_ = 0;
        }
    }
}

void AssistLayer::drawOverPlay(const GameState& state, Drawing& drawing) {
    drawOutlineBehindScenery(drawing, state);
    drawLives(drawing, state.lives);
    if (blinkTurns_ > 0) {
        --blinkTurns_;
        if (blinkTurns_ / 5 % 2 == 0) {
            const auto piece = static_cast<std::size_t>(blinkingPiece_);
            drawing.drawSprite(pic::phonePieceIcons[piece], nullptr, PieceIconAt[piece]);
        }
    }
    if (lineTurns_ > 0) {
        --lineTurns_;
        drawLine(drawing, state, line_);
        shownLine_ = line_;
    }
    if (mapHeld_) {
        drawAreaMap(drawing, state);
    }
}

void AssistLayer::drawOverEnd(const GameState& state, Drawing& drawing) {
    if (!won_) {
        return;
    }
    if (endTurn_ < LandingTurns) {
        drawLanding(drawing, state, endTurn_++);
    } else {
        drawHomeEndScreen(drawing);
    }
}

void AssistLayer::turnEnds(const GameState& state, Drawing& drawing) {
    shownLine_.clear();
    tell(state);
    if (state.mode == PlayMode::Play) {
        drawOverPlay(state, drawing);
    } else if (state.mode == PlayMode::GameOver) {
        drawOverEnd(state, drawing);
    } else {
        won_ = false;
        lineTurns_ = 0;
        blinkTurns_ = 0;
        followTurns_ = 0;
    }
}

}  // namespace qz
