// The Phone zone's marks: the blink pattern seen on screen, the rectangles of
// the area itself, and no marks where no holes are.
#include "characters/phone_marks.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

constexpr Rgb White{255, 255, 255};

bool sameColour(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

using PhoneMarksOnScreen = GameTest;

TEST_F(PhoneMarksOnScreen, PiecesInHoles1And4BlinkOutOfStepAndEndInThe13thTurn) {
    startPlaying();
    GameState& s = state();
    s.area = AreaFour;  // layout 0: six holes
    s.items.holeContents[3] = {Empty, PhonePiece2, Empty, Empty, PhonePiece3, Empty};
    s.zones.powerRequest[Phone] = true;
    startPhoneMarks(s);
    const auto& holes = holeLayouts[0].holes;
    auto markShown = [this, &holes](int hole) {
        const HoleRect& rect = holes[static_cast<std::size_t>(hole)];
        // The middle of the 10 x 10 square at hole x + 45.
        return sameColour(canvas().pixel(rect.x + 50, rect.y + 5), White);
    };

    const bool expected[3][2] = {{false, true}, {true, true}, {true, false}};
    for (const auto& [hole1, hole4] : expected) {
        play(KeyScript().idle(1));
        EXPECT_EQ(markShown(1), hole1) << "turn " << s.phoneMarks.phoneMarkBlink / 2;
        EXPECT_EQ(markShown(4), hole4) << "turn " << s.phoneMarks.phoneMarkBlink / 2;
    }
    play(KeyScript().idle(9));
    EXPECT_TRUE(s.phoneMarks.phoneMarksOn);
    play(KeyScript().idle(1));
    EXPECT_FALSE(s.phoneMarks.phoneMarksOn);
    EXPECT_FALSE(s.zones.powerRequest[Phone]);
    EXPECT_EQ(s.phoneMarks.phoneMarkBlink, 0);
}

TEST(PhoneMarks, TakeTheRectanglesOfTheAreaTheAlienIsIn) {
    // Right after a Move zone the turn's hole selection is still the last
    // area's four-hole layout; the marks must not read it.
    GameState s;
    s.area = AreaTwo;
    s.areaHoles.holeLayoutOf[1] = 3;
    s.areaHoles.selectedLayout = 1;
    s.areaHoles.holeCount = 4;
    s.items.holeContents[1][5] = PhonePiece1;
    s.phoneMarks.phoneMarkBlink = 1;  // a turn that shows the mark
    startPhoneMarks(s);
    const PhoneMarks marks = stepPhoneMarks(s);
    ASSERT_EQ(marks.count, 1);
    EXPECT_EQ(marks.at[0].x, holeLayouts[3].holes[5].x + 45);
    EXPECT_EQ(marks.at[0].y, holeLayouts[3].holes[5].y);
    EXPECT_EQ(s.holeVisit.contentsRow, 1);
}

TEST(PhoneMarks, AreNeverDrawnWhereThereAreNoHoles) {
    for (const AreaId area : {Forest, WashingtonDC, InsideHole}) {
        GameState s;
        s.holeVisit.contentsRow = 0;  // the last area with holes held pieces
        s.items.holeContents[0] = {PhonePiece1, PhonePiece2, PhonePiece3, Empty, Empty, Empty};
        s.zones.powerRequest[Phone] = true;
        s.area = area;
        startPhoneMarks(s);
        EXPECT_EQ(stepPhoneMarks(s).count, 0) << area;
        EXPECT_FALSE(s.phoneMarks.phoneMarksOn) << "no piece met yet: the marks end";
        EXPECT_TRUE(s.zones.powerRequest[Phone]) << "and come back at the next power";

        // Once a piece hole has been met they wait there, neither drawing nor counting.
        s.area = AreaOne;
        startPhoneMarks(s);
        stepPhoneMarks(s);
        const PhoneMarkState before = s.phoneMarks;
        s.area = area;
        EXPECT_EQ(stepPhoneMarks(s).count, 0) << area;
        EXPECT_TRUE(s.phoneMarks.phoneMarksOn);
        EXPECT_EQ(s.phoneMarks.phoneMarkBlink, before.phoneMarkBlink);
    }
}

}  // namespace
}  // namespace qz::test
