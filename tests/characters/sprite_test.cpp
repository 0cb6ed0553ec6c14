// The picture routine's colour key, and the frame every character shows.
#include <SDL/SDL.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <tuple>

#include "core/graphics_files.h"
#include "support/game_fixture.h"
#include "support/scratch_file.h"
#include "view/character_sprites.h"

namespace qz::test {
namespace {

bool same(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// The changed area of the screen after a draw onto a plain fill.
struct Box {
    int left = 10000, top = 10000, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

class Sprites : public GameTest {
  protected:
    static constexpr Rgb Backdrop{1, 2, 3};

    void clear() { canvas().fill(0, 0, 800, 600, Backdrop); }

    Box changed() {
        Box box;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (!same(canvas().pixel(x, y), Backdrop)) {
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x);
                    box.bottom = std::max(box.bottom, y);
                }
            }
        }
        return box;
    }
};

TEST_F(Sprites, TheKeyColourIsInvisibleAndItsNeighbourIsNot) {
    // A 3 x 1 picture: the key, one step off the key, and plain white.
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(picture, nullptr);
    const Uint32 colours[3] = {SDL_MapRGB(picture->format, 229, 77, 253),
                               SDL_MapRGB(picture->format, 229, 77, 252),
                               SDL_MapRGB(picture->format, 255, 255, 255)};
    auto* row = static_cast<Uint8*>(picture->pixels);
    for (int i = 0; i < 3; ++i) {
        for (int byte = 0; byte < 3; ++byte) {
            row[i * 3 + byte] = static_cast<Uint8>(colours[i] >> (8 * byte));
        }
    }
    const ScratchFile scratch("qz-key-test.bmp");
    const std::string& path = scratch.path;
    ASSERT_EQ(SDL_SaveBMP(picture, path.c_str()), 0);
    SDL_FreeSurface(picture);

    clear();
    canvas().drawSprite(Picture{path.c_str(), true}, nullptr, Point{10, 10});
    EXPECT_TRUE(same(canvas().pixel(10, 10), Backdrop));
    EXPECT_TRUE(same(canvas().pixel(11, 10), Rgb{229, 77, 252}));
    EXPECT_TRUE(same(canvas().pixel(12, 10), Rgb{255, 255, 255}));

    // Unkeyed pictures copy the key colour like any other.
    canvas().drawSprite(Picture{path.c_str(), false}, nullptr, Point{10, 20});
    EXPECT_TRUE(same(canvas().pixel(10, 20), Rgb{229, 77, 253}));
}

TEST_F(Sprites, OnePictureGoesToEveryPositionGivenAndAMissingOneDrawsNothing) {
    clear();
    static constexpr std::array<Point, 2> at{{{0, 100}, {600, 100}}};
    canvas().drawSprite(pic::tree, nullptr, at);
    const Box box = changed();
    EXPECT_LT(box.left, 75);
    EXPECT_GE(box.right, 600);
    EXPECT_LT(box.right, 675);

    clear();
    canvas().drawSprite(Picture{"graphics/no-such-picture.bmp", true}, nullptr, Point{0, 0});
    EXPECT_TRUE(changed().empty());
}

TEST(SpriteFrames, TheAlienStepsOneDrawInFourOnlyWhileWalking) {
    for (int anim : {0, 4, 8, 400}) {
        EXPECT_EQ(alienWalkCellX(true, anim), 50) << anim;
        EXPECT_EQ(alienWalkCellX(false, anim), 0) << anim;
    }
    for (int anim : {1, 2, 3, 5, 7}) {
        EXPECT_EQ(alienWalkCellX(true, anim), 0) << anim;
    }
}

TEST(SpriteCells, PursuersShowTheirSecondCellOnceInEightAndJorrinHisFirstOnceInFive) {
    for (const auto& [count, pursuerX, jorrinX] :
         {std::tuple{0, 50, 0}, {1, 0, 50}, {7, 0, 50}, {8, 50, 50}, {10, 0, 0}, {11, 0, 50}}) {
        EXPECT_EQ(pursuerCellX(count), pursuerX) << "count " << count;
        EXPECT_EQ(jorrinCellX(count), jorrinX) << "count " << count;
    }
}

TEST_F(Sprites, AHumanWithNeitherFacingDrawsNothing) {
    clear();
    drawJorrin(drawn(), 300, 100, 5, 13);
    drawFbiAgent(drawn(), 300, 100, 0, 13);
    drawScientist(drawn(), 300, 100, 7, 13);
    EXPECT_TRUE(changed().empty());
}

TEST_F(Sprites, EachCharacterStaysInsideItsBox) {
    struct Case {
        const char* who;
        std::function<void()> draw;
        Box inside;
    };
    int count = 0;
    const std::vector<Case> cases{
        {"walk",
         [&] { drawAlienWalk(drawn(), 100, 200, FacingLeft, true, 0); },
         {100, 200, 149, 274}},
        {"head bob",
         [&] { drawAlienHeadBob(drawn(), 100, 200, FacingRight, 150); },
         {100, 200, 149, 274}},
        {"collapse",
         [&] { drawAlienCollapse(drawn(), 100, 200, FacingLeft); },
         {100, 245, 149, 274}},
        {"agent",
         [&] { drawFbiAgent(drawn(), 100, 200, FacingRight, count); },
         {100, 200, 149, 299}},
        {"scientist",
         [&] { drawScientist(drawn(), 100, 200, FacingLeft, count); },
         {100, 200, 149, 299}},
        {"Jorrin left",
         [&] { drawJorrin(drawn(), 100, 200, FacingLeft, count); },
         {100, 200, 149, 274}},
        {"Jorrin right",
         [&] { drawJorrin(drawn(), 100, 200, FacingRight, count); },
         {100, 200, 149, 299}},
        {"ship", [&] { drawShip(drawn(), 45); }, {300, 45, 449, 269}},
    };
    for (const Case& c : cases) {
        clear();
        c.draw();
        const Box box = changed();
        ASSERT_FALSE(box.empty()) << c.who;
        EXPECT_GE(box.left, c.inside.left) << c.who;
        EXPECT_GE(box.top, c.inside.top) << c.who;
        EXPECT_LE(box.right, c.inside.right) << c.who;
        EXPECT_LE(box.bottom, c.inside.bottom) << c.who;
    }
}

TEST_F(Sprites, WalkingAndHeadBobFramesReallyDiffer) {
    auto digestOf = [&](const std::function<void()>& draw) {
        clear();
        draw();
        return canvas().pixelDigest();
    };
    const auto standing = digestOf([&] { drawAlienWalk(drawn(), 100, 200, FacingLeft, true, 1); });
    const auto stepping = digestOf([&] { drawAlienWalk(drawn(), 100, 200, FacingLeft, true, 4); });
    const auto right = digestOf([&] { drawAlienWalk(drawn(), 100, 200, FacingRight, true, 1); });
    EXPECT_NE(standing, stepping);
    EXPECT_NE(standing, right);
    // Each turn of the power pose moves the head: no two neighbouring frames agree.
    std::vector<std::uint64_t> bobs;
    for (int offset : {0, 50, 100, 150}) {
        bobs.push_back(digestOf([&] { drawAlienHeadBob(drawn(), 100, 200, FacingLeft, offset); }));
    }
    for (std::size_t i = 1; i < bobs.size(); ++i) {
        EXPECT_NE(bobs[i - 1], bobs[i]) << "frames " << i - 1 << " and " << i;
    }
}

}  // namespace
}  // namespace qz::test
