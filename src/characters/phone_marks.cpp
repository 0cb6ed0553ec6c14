#include "characters/phone_marks.h"

#include "core/area_id.h"

namespace qz {
namespace {

constexpr int MarkOffsetX = 45;  // over the middle of the hole
constexpr int BlinkDark = 5;     // every fifth count the mark stays dark

bool holdsPhonePiece(int content) {
    return content >= PhonePiece1 && content <= PhonePiece3;
}

}  // namespace

void startPhoneMarks(GameState& state) {
    state.phoneMarks.phoneMarksOn = true;
}

PhoneMarks stepPhoneMarks(GameState& state) {
    PhoneMarks marks;
    PhoneMarkState& m = state.phoneMarks;
    if (!m.phoneMarksOn) {
        return marks;
    }
    std::array<int, MaxHoles> row{};  // the Forest, Washington DC and the hole screen hold none
    const std::array<HoleRect, MaxHoles>* rects = nullptr;
    if (isHoleArea(state.area)) {
        const auto index = static_cast<std::size_t>(state.area - AreaOne);
        state.holeVisit.contentsRow = state.area - AreaOne;
        row = state.items.holeContents[index];
        // The area's own layout: the turn's hole selection may still be the
        // last area's right after a Move zone.
        rects = &holeLayouts[static_cast<std::size_t>(state.areaHoles.holeLayoutOf[index])].holes;
    }
    for (const int content : row) {
        m.phoneMarkHolesSeen += holdsPhonePiece(content) ? 1 : 0;
    }
    if (m.phoneMarkHolesSeen == 0) {
        m.phoneMarksOn = false;  // the Phone request stays: the next power tries again
        return marks;
    }
    for (std::size_t hole = 0; hole < row.size(); ++hole) {
        if (!holdsPhonePiece(row[hole])) {
            continue;
        }
        if (m.phoneMarkBlink == PhoneMarkBlinkEnd) {
            // The holes left in this turn go on with the fresh counter.
            m.phoneMarkBlink = 0;
            m.phoneMarkHolesSeen = 0;
            m.phoneMarksOn = false;
            state.zones.powerRequest[Phone] = false;
        } else if (m.phoneMarkBlink % BlinkDark == 0) {
            ++m.phoneMarkBlink;
        } else {
            const HoleRect& rect = (*rects)[hole];
            marks.at[static_cast<std::size_t>(marks.count++)] = {rect.x + MarkOffsetX, rect.y};
            ++m.phoneMarkBlink;
        }
    }
    return marks;
}

}  // namespace qz
