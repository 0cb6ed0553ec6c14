#include "picture_catalogue.h"

#include <cstdio>
#include <filesystem>

#include "bmp_file.h"
#include "buildings.h"
#include "canvas.h"
#include "grounds.h"
#include "hole_indicators.h"
#include "human_figures.h"
#include "instruction_pages.h"
#include "phone_and_candy.h"
#include "quillo_figure.h"
#include "saucer.h"
#include "status_pictures.h"
#include "title_picture.h"
#include "trees_and_flowers.h"

namespace {

std::vector<PictureEntry> buildCatalogue() {
    std::vector<PictureEntry> c;
    auto opaque = [&c](const char* name, int w, int h, std::function<void(cairo_t*)> draw) {
        c.push_back(PictureEntry{name, w, h, false, std::move(draw)});
    };
    auto sprite = [&c](const char* name, int w, int h, std::function<void(cairo_t*)> draw) {
        c.push_back(PictureEntry{name, w, h, true, std::move(draw)});
    };

    opaque("quillo-2", 800, 600, drawTitlePicture);
    opaque("instructions-screen-pg1", 800, 600, [](cairo_t* cr) { drawInstructionPage(cr, 1); });
    opaque("instructions-screen-pg2", 800, 600, [](cairo_t* cr) { drawInstructionPage(cr, 2); });
    opaque("instructions-screen-pg3", 800, 600, [](cairo_t* cr) { drawInstructionPage(cr, 3); });

    opaque("grass", 800, 400, drawGrassGround);
    opaque("washington-dc-location", 800, 400, drawWashingtonGround);
    opaque("hole-location", 800, 400, drawHoleGround);
    sprite("forest-tree", 75, 200, drawForestTree);
    sprite("gov-building", 139, 152, drawGovernmentBuilding);
    sprite("jorrin-house", 301, 106, drawJorrinHouse);
    opaque("fauna1", 150, 150, drawNoHolePanel);
    opaque("undischole", 150, 150, drawUnsearchedHolePanel);
    opaque("dischole", 150, 150, drawSearchedHolePanel);
    sprite("flower-alive", 15, 25, [](cairo_t* cr) { drawFlower(cr, true); });
    sprite("flower-dead", 15, 25, [](cairo_t* cr) { drawFlower(cr, false); });

    for (bool right : {false, true}) {
        const std::string side = right ? "right" : "left";
        sprite(("quillo-walk-" + side).c_str(), 100, 75,
               [right](cairo_t* cr) { drawQuilloWalkSheet(cr, right); });
        sprite(("quillo-headbob-" + side).c_str(), 200, 75,
               [right](cairo_t* cr) { drawQuilloHeadBobSheet(cr, right); });
        sprite(("quillo-death-" + side).c_str(), 50, 30,
               [right](cairo_t* cr) { drawQuilloDeath(cr, right); });
        sprite(("fbi-walk-" + side).c_str(), 100, 100,
               [right](cairo_t* cr) { drawFbiSheet(cr, right); });
        sprite(("scientist-walk-" + side).c_str(), 100, 100,
               [right](cairo_t* cr) { drawScientistSheet(cr, right); });
        // Jorrin's left sheet is cut 75 rows high by the game, the right one 100.
        sprite(("jorrin-walk-" + side).c_str(), 100, right ? 100 : 75,
               [right](cairo_t* cr) { drawJorrinSheet(cr, right); });
    }
    sprite("ship", 150, 225, drawShipSprite);

    sprite("phone-piece1", 25, 30, [](cairo_t* cr) { drawPhonePiece(cr, 1); });
    sprite("phone-piece2", 35, 30, [](cairo_t* cr) { drawPhonePiece(cr, 2); });
    sprite("phone-piece3", 45, 30, [](cairo_t* cr) { drawPhonePiece(cr, 3); });
    sprite("phone-piece-icon-2", 25, 30, [](cairo_t* cr) { drawPhonePieceIcon(cr, 2); });
    sprite("phone-piece-icon-3", 30, 30, [](cairo_t* cr) { drawPhonePieceIcon(cr, 3); });
    for (int kind = 1; kind <= 4; ++kind) {
        sprite(("crunko-piece" + std::to_string(kind)).c_str(), 15, 15,
               [kind](cairo_t* cr) { drawCandy(cr, kind); });
    }

    static constexpr const char* kTimeNames[5] = {"time-none", "time-1-quarter", "time-half",
                                                  "time-3-quarter", "time-template"};
    for (int quarters = 4; quarters >= 0; --quarters) {
        sprite(kTimeNames[quarters], 80, 32,
               [quarters](cairo_t* cr) { drawTimeIndicator(cr, quarters); });
    }
    opaque("quillo-logo", 250, 90, drawLogo);
    sprite("crunkos-pieces-energy-bar", 145, 50, drawEnergyBar);
    sprite("quillo-face", 300, 210, drawQuilloFacePicture);

    sprite("assist-home-face", 300, 210, drawQuilloHomeFacePicture);
    sprite("assist-life", 22, 26, drawQuilloLifeHead);
    sprite("assist-outline-left", 100, 75, [](cairo_t* cr) { drawQuilloOutlineSheet(cr, false); });
    sprite("assist-outline-right", 100, 75, [](cairo_t* cr) { drawQuilloOutlineSheet(cr, true); });
    return c;
}

}  // namespace

const std::vector<PictureEntry>& pictureCatalogue() {
    static const std::vector<PictureEntry> catalogue = buildCatalogue();
    return catalogue;
}

RgbImage renderPicture(const PictureEntry& entry) {
    Canvas canvas(entry.width, entry.height);
    cairo_save(canvas.cr());
    entry.draw(canvas.cr());
    cairo_restore(canvas.cr());
    return entry.keyed ? canvas.keyedImage() : canvas.opaqueImage();
}

bool writeAllPictures(const std::string& dataDir) {
    const std::filesystem::path folder = std::filesystem::path(dataDir) / "graphics";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "quillo-asset-generator: cannot create %s\n", folder.c_str());
        return false;
    }
    for (const PictureEntry& entry : pictureCatalogue()) {
        const std::string path = (folder / (entry.name + ".bmp")).string();
        if (!writeBmp(path, renderPicture(entry))) {
            std::fprintf(stderr, "quillo-asset-generator: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
