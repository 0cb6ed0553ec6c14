// Layout machinery of the artwork: wrapped page text, mirrored sprite-sheet
// frames and the picture catalogue.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "canvas.h"
#include "instruction_layout.h"
#include "picture_catalogue.h"
#include "sprite_sheet.h"

namespace {

struct InkBox {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

InkBox inkOf(Canvas& canvas) {
    const RgbImage image = canvas.keyedImage();
    InkBox box;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!(image.at(x, y) == kColourKey)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

TEST(PageText, WrapsInsideItsColumn) {
    Canvas canvas(400, 300);
    const double next =
        drawParagraph(canvas.cr(), 20, 30, 200,
                      {{"Quillo walks over the grass of Area One looking for the holes where the "},
                       {"phone pieces", true},
                       {" lie hidden, watching the hole indicator at every step."}},
                      16, 20);
    const InkBox ink = inkOf(canvas);
    EXPECT_GE(ink.left, 19);
    EXPECT_LE(ink.right, 222) << "a word ran past the column";
    EXPECT_GE(next, 30 + 3 * 20) << "the text needs at least four lines at this width";
    EXPECT_NEAR(ink.bottom, next - 20 + 5, 6) << "the returned y follows the last line";
}

TEST(PageText, SpansJoinWithASpaceOnlyWhereTheTextHasOne) {
    auto widthOf = [](std::vector<Span> spans) {
        Canvas canvas(300, 40);
        drawParagraph(canvas.cr(), 10, 25, 280, spans, 16, 20);
        const InkBox ink = inkOf(canvas);
        return ink.right - ink.left;
    };
    const int joined = widthOf({{"Walk"}, {".", true}});
    const int spacedAfter = widthOf({{"the "}, {"three", true}});
    const int spacedBefore = widthOf({{"the"}, {" three", true}});
    const int glued = widthOf({{"the"}, {"three", true}});
    EXPECT_LT(joined, widthOf({{"Walk "}, {".", true}}));
    EXPECT_EQ(spacedAfter, spacedBefore);
    EXPECT_GT(spacedAfter, glued + 2);
}

TEST(SpriteSheet, MirroredFramesStayInTheirOwnCells) {
    // Each frame marks its left edge; mirrored, the mark moves to the right
    // edge of the same cell.
    Canvas canvas(150, 10);
    cairo_set_antialias(canvas.cr(), CAIRO_ANTIALIAS_NONE);
    drawSheet(canvas.cr(), 50, 10, 3, true, [](cairo_t* cr, int frame) {
        cairo_rectangle(cr, 0, 0, 5 + frame, 10);
        cairo_set_source_rgb(cr, 0, 0.5, 0);
        cairo_fill(cr);
    });
    const RgbImage image = canvas.keyedImage();
    for (int frame = 0; frame < 3; ++frame) {
        SCOPED_TRACE(frame);
        const int cellRight = frame * 50 + 49;
        for (int x = frame * 50; x <= cellRight; ++x) {
            const bool marked = !(image.at(x, 5) == kColourKey);
            EXPECT_EQ(marked, x > cellRight - (5 + frame)) << "x " << x;
        }
    }
}

TEST(Catalogue, NamesEveryPictureOnceWithFullScreensUnkeyed) {
    std::set<std::string> names;
    for (const PictureEntry& entry : pictureCatalogue()) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name << " twice";
        EXPECT_GT(entry.width, 0);
        EXPECT_GT(entry.height, 0);
        if (entry.width == 800) {
            EXPECT_FALSE(entry.keyed) << entry.name;
        }
    }
    EXPECT_EQ(names.size(), 49u);
}

}  // namespace
