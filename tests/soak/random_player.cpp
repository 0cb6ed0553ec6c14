#include "soak/random_player.h"

#include <array>
#include <cstdlib>

#include "controls/keyboard.h"
#include "scenario/autopilot.h"
#include "world/area_map.h"
#include "world/hole_geometry.h"
#include "world/play_field.h"
#include "world/power_zones.h"

namespace qz::soak {
namespace {

constexpr std::array<GameKey, 9> AllKeys{KeyEscape, KeyI,    KeyS,    KeyX,    KeyZ,
                                         KeyUp,     KeyDown, KeyLeft, KeyRight};
constexpr std::array<GameKey, 4> Arrows{KeyUp, KeyDown, KeyLeft, KeyRight};
// Inside a hole, where the alien reaches what lies there.
constexpr int ItemReachX = 155;
// The share of spells spent going home, and their length: time enough to
// fetch the pieces, call the ship and wait out the call from a new game.
constexpr double GoHomeShare = 0.1;
constexpr int GoHomeTurns = 2000;
// Of the spells seeking goals, those that burn energy until the lives run out.
constexpr double BurnShare = 0.3;
// Going home, the disturbances come this much less often per turn.
constexpr double GoHomeCalm = 0.1;
// Of the other spells, those that bring lasting states together.
constexpr double MeetShare = 0.15;
// A pursuer this close (twice as far up or down) catches the alien within
// the four turns of a power animation, give or take.
constexpr int CloseIn = 30;
// Energy left, before Jorrin is called, for some 40 turns of hovering.
constexpr int LowEnergy = 30;

bool allPiecesHeld(const GameState& s) {
    return s.phonePieceHeld[0] && s.phonePieceHeld[1] && s.phonePieceHeld[2];
}

}  // namespace

void RandomPlayer::holdFor(Keys keys, int maxTurns) {
    held_ = std::move(keys);
    heldTurns_ = 1 + below(maxTurns);
}

Keys RandomPlayer::mash() {
    Keys keys;
    for (GameKey key : AllKeys) {
        // Escape quits outside the instruction pages: keep it rare.
        if (chance(key == KeyEscape ? 0.0005 : 0.3)) {
            keys.push_back(key);
        }
    }
    return keys;
}

Keys RandomPlayer::titleKeys(const GameState& s) {
    if (s.instructionsShown) {
        // Turn the pages, or go back to the title with Escape.
        const int pick = below(10);
        return pick < 6 ? Keys{chance(0.5) ? KeyS : KeyI} : pick < 8 ? Keys{KeyEscape} : Keys{};
    }
    const int pick = below(20);
    return pick < 6 ? Keys{KeyS} : pick < 16 ? Keys{KeyI} : Keys{};
}

Keys RandomPlayer::towards(const GameState& s, int x, int y) {
    const int dx = x - s.alienX;
    const int dy = y - s.alienY;
    if (std::abs(dx) < AlienStep && std::abs(dy) < AlienStep) {
        return {};
    }
    if (std::abs(dx) >= std::abs(dy)) {
        return {dx > 0 ? KeyRight : KeyLeft};
    }
    return {dy > 0 ? KeyDown : KeyUp};
}

std::optional<Keys> RandomPlayer::towardsZone(const GameState& s, int kind) {
    const auto& area = s.zones.zoneLayout[s.area];
    for (std::size_t cell = 0; cell < ZoneGrid.size(); ++cell) {
        if (area[cell / 3][cell % 3] == kind) {
            const Rect& c = ZoneGrid[cell];
            return towards(s, c.x + c.w / 2 - AlienWidth / 2, c.y + c.h / 2 - AlienHeight / 2);
        }
    }
    return std::nullopt;
}

Keys RandomPlayer::seek(const GameState& s) {
    if (spell_ == Spell::Burn && s.area != InsideHole) {
        // Spend energy on powers until Jorrin has to come, and lives run out.
        return s.zones.inZoneCell ? Keys{KeyZ} : Keys{Arrows[static_cast<std::size_t>(below(4))]};
    }
    if (s.area == InsideHole) {
        // Over to a piece lying here; Z for a flower not yet revived.
        const HoleVisit& v = s.holeVisit;
        const int content = s.items.holeContents[static_cast<std::size_t>(v.contentsRow)]
                                                [static_cast<std::size_t>(s.areaHoles.holeIndex)];
        if (v.levitating) {
            return {KeyUp};
        }
        if (content == Flower && !s.items.flowerRevived) {
            return {KeyZ};
        }
        if (!v.holeLanded || content < PhonePiece1 || content > PhonePiece3) {
            return {KeyX};
        }
        return {v.holeX > ItemReachX ? KeyLeft : KeyRight};
    }
    if (allPiecesHeld(s)) {
        // Call the ship, then wait in the Landing zone for it.
        const int kind = s.shipCall.callActive ? Landing : CallShip;
        if (auto keys = towardsZone(s, kind)) {
            if (keys->empty() && kind == CallShip) {
                keys->push_back(KeyZ);
            }
            return *keys;
        }
        // Another area: cross edges in one direction for a while.
        return {Arrows[static_cast<std::size_t>(below(4))]};
    }
    if (s.areaHoles.onHole) {
        return {KeyX};
    }
    if (!isHoleArea(s.area) || s.areaHoles.holeCount == 0) {
        return {Arrows[static_cast<std::size_t>(below(4))]};
    }
    // Feet on the hole's top rows: the corner 70 rows above it.
    if (targetHole_ >= s.areaHoles.holeCount || chance(0.02)) {
        targetHole_ = below(s.areaHoles.holeCount);
        // Mostly a hole with a piece in it, as the phone marks would show.
        const auto& row = s.items.holeContents[static_cast<std::size_t>(s.area - AreaOne)];
        for (int hole = 0; hole < s.areaHoles.holeCount && chance(0.8); ++hole) {
            const int content = row[static_cast<std::size_t>(hole)];
            if (content >= PhonePiece1 && content <= PhonePiece3) {
                targetHole_ = hole;
            }
        }
    }
    const HoleRect& hole = selectedHoleRects(s)[static_cast<std::size_t>(targetHole_)];
    Keys keys = towards(s, hole.x + 25, hole.y - 70);
    return keys.empty() ? Keys{KeyX} : keys;
}

Keys RandomPlayer::intoNearestHole(const GameState& s) {
    if (s.areaHoles.onHole) {
        return {KeyX};
    }
    if (!isHoleArea(s.area) || s.areaHoles.holeCount == 0) {
        return {towardsArea(s.area, AreaFour)};
    }
    const auto& holes = selectedHoleRects(s);
    int best = 0;
    int bestDistance = 0;
    for (int i = 0; i < s.areaHoles.holeCount; ++i) {
        const HoleRect& hole = holes[static_cast<std::size_t>(i)];
        const int distance = std::abs(hole.x + 25 - s.alienX) + std::abs(hole.y - 70 - s.alienY);
        if (i == 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    const HoleRect& hole = holes[static_cast<std::size_t>(best)];
    Keys keys = towards(s, hole.x + 25, hole.y - 70);
    return keys.empty() ? Keys{KeyX} : keys;
}

GameKey RandomPlayer::towardsArea(int from, int to) const {
    for (std::size_t edge = 0; edge < Arrows.size(); ++edge) {
        if (neighbourArea(from, static_cast<Edge>(edge)) == to) {
            return Arrows[edge];
        }
    }
    return heading_;
}

Keys RandomPlayer::meet(const GameState& s) {
    const PursuerState& p = s.pursuer;
    if (!meetJorrin_ && s.area != InsideHole && p.pursuerActive && p.pursuerDelay == 0 &&
        !p.alienCaught && !p.pushBackInForce) {
        // A catch during a power animation; with the pieces held, during the
        // ship's call. Any zone will do without them.
        const int kind = allPiecesHeld(s) ? CallShip : s.zones.zoneKind;
        const auto keys = s.zones.inZoneCell && s.zones.zoneKind == kind
                              ? std::optional<Keys>(Keys{})
                              : towardsZone(s, kind);
        if (!keys) {
            return {heading_};
        }
        const bool closing = std::abs(p.pursuerX - s.alienX) < CloseIn &&
                             std::abs(p.pursuerY - s.alienY) < 2 * CloseIn;
        if (keys->empty() && closing && !s.zones.powerActive) {
            return {KeyZ};
        }
        return *keys;
    }
    // A collapse in a hole while Jorrin is on his way: spend most of the
    // energy, call him, drop into a hole and rise, which spends the rest
    // fastest.
    if (s.area == InsideHole) {
        if (!s.jorrin.jorrinCalled) {
            return {s.holeVisit.levitating ? KeyUp : KeyX};  // out again
        }
        // While he visits, only the keys spend: rising costs 50 a turn.
        return {s.holeVisit.levitating ? KeyUp : KeyX};
    }
    if (s.jorrin.jorrinCalled) {
        return intoNearestHole(s);
    }
    if (s.candyCount == 0) {
        // He only comes for candy: fetch the piece lying about first.
        if (s.area == s.candy.candyArea) {
            return towards(s, s.candy.candyX + 5, s.candy.candyY - 62);
        }
        return {towardsArea(s.area, s.candy.candyArea)};
    }
    if (s.energy > LowEnergy && s.zones.inZoneCell && s.zones.zoneKind != CallJorrin &&
        !s.zones.powerActive) {
        return {KeyZ};  // so that hovering soon spends the rest
    }
    const auto keys = towardsZone(s, CallJorrin);
    return !keys ? Keys{heading_} : keys->empty() ? Keys{KeyZ} : *keys;
}

Keys RandomPlayer::playKeys(const GameState& s) {
    const GameKey arrow = Arrows[static_cast<std::size_t>(below(4))];
    if (s.area == InsideHole) {
        const HoleVisit& v = s.holeVisit;
        if (v.levitating && chance(0.8)) {
            return {KeyUp};
        }
        if (s.holeVisit.holeLanded && chance(0.1)) {
            return {KeyX};  // levitate out
        }
        if (chance(0.05)) {
            return {KeyZ};  // the flower, when it is here
        }
        return {arrow};
    }
    if (s.areaHoles.onHole && chance(0.2)) {
        return {KeyX};
    }
    if (s.zones.inZoneCell && chance(0.1)) {
        return {KeyZ};
    }
    if (chance(0.15)) {
        return {arrow, Arrows[static_cast<std::size_t>(below(4))]};
    }
    return {arrow};
}

void RandomPlayer::chooseSpell() {
    if (chance(GoHomeShare)) {
        spell_ = Spell::GoHome;
        meetOnTheWay_ = chance(0.5);
        spellTurns_ = GoHomeTurns + below(GoHomeTurns / 2);
        return;
    }
    heading_ = Arrows[static_cast<std::size_t>(below(4))];
    if (chance(MeetShare)) {
        spell_ = Spell::Meet;
        meetJorrin_ = chance(0.5);
        spellTurns_ = GoHomeTurns / 2 + below(GoHomeTurns / 2);
        return;
    }
    spell_ = !chance(0.6) ? Spell::Wander : chance(BurnShare) ? Spell::Burn : Spell::Seek;
    spellTurns_ = 100 + below(600);
}

ScriptedTurn RandomPlayer::next(const GameState& s) {
    last_ = nextTurn(s);
    return last_;
}

ScriptedTurn RandomPlayer::nextTurn(const GameState& s) {
    ScriptedTurn turn;
    if (heldTurns_ > 0) {
        --heldTurns_;
        turn.held = held_;
        return turn;
    }
    if (spellTurns_ == 0) {
        chooseSpell();
    }
    --spellTurns_;
    // Going home decides every turn, so its disturbances are thinned out.
    const double calm = spell_ == Spell::GoHome ? GoHomeCalm : 1.0;
    if (chance(0.001 * calm)) {
        turn.closeWindow = true;
        return turn;
    }
    // A turn with nothing held between presses lets the next one go down again.
    if (chance((spell_ == Spell::Wander ? 0.25 : 0.05) * calm)) {
        holdFor({}, 6);
    } else if (chance(0.05 * calm)) {
        holdFor(mash(), 4);
    } else if (s.mode == PlayMode::Title) {
        holdFor(titleKeys(s), 3);
    } else if (s.mode == PlayMode::Play && spell_ == Spell::GoHome && meetOnTheWay_ &&
               allPiecesHeld(s) && !s.shipCall.callActive && s.pursuer.pursuerActive &&
               towardsZone(s, CallShip)) {
        // The ship called just as the pursuer catches the alien.
        holdFor(meet(s), 1);
    } else if (s.mode == PlayMode::Play && spell_ == Spell::GoHome) {
        // The autopilot's keys while they steer the alien, and one turn at a
        // time of the seeking keys while they do not.
        holdFor(test::keysSteer(s) ? test::playToWin(s, last_).held : seek(s), 1);
    } else if (s.mode == PlayMode::Play && spell_ == Spell::Meet) {
        holdFor(meet(s), 1);
    } else if (s.mode == PlayMode::Play && spell_ != Spell::Wander) {
        // Out of the hole areas, a longer walk over an edge.
        holdFor(seek(s), isHoleArea(s.area) || s.area == InsideHole ? 3 : 40);
    } else if (s.mode == PlayMode::Play) {
        const Keys keys = playKeys(s);
        const bool walking = keys.size() >= 1 && keys[0] != KeyX && keys[0] != KeyZ;
        holdFor(keys, !walking ? 2 : s.area == InsideHole ? 20 : 60);
    } else if (s.mode == PlayMode::GameOver) {
        holdFor(chance(0.7) ? Keys{KeyS} : mash(), 2);
    } else {
        holdFor(chance(0.9) ? Keys{} : mash(), 10);
    }
    turn.held = held_;
    --heldTurns_;
    return turn;
}

}  // namespace qz::soak
