#include "view/character_sprites.h"

#include "core/graphics_files.h"
#include "core/play_mode.h"

namespace qz {
namespace {

// The sheet for a facing; null for anything but left or right.
const Picture* sheetFor(const pic::Sheets& sheets, int facing) {
    if (facing == FacingLeft) {
        return &sheets[0];
    }
    if (facing == FacingRight) {
        return &sheets[1];
    }
    return nullptr;
}

void drawCell(Drawing& drawing, const Picture* sheet, Rect cell, int x, int y) {
    if (sheet) {
        drawing.drawSprite(*sheet, &cell, Point{x, y});
    }
}

void drawHuman(Drawing& drawing, const pic::Sheets& sheets, int x, int y, int facing,
               DrawCount characterDrawCount) {
    drawCell(drawing, sheetFor(sheets, facing), Rect{pursuerCellX(characterDrawCount), 0, 50, 100},
             x, y);
}

}  // namespace

int alienWalkCellX(bool walking, DrawCount animFrame) {
    return walking && (animFrame & 3) == 0 ? 50 : 0;
}

int pursuerCellX(DrawCount characterDrawCount) {
    return characterDrawCount % 8 == 0 ? 50 : 0;
}

int jorrinCellX(DrawCount characterDrawCount) {
    return characterDrawCount % 5 == 0 ? 0 : 50;
}

void drawAlienWalk(Drawing& drawing, int x, int y, int facing, bool walking, DrawCount animFrame) {
    drawCell(drawing, sheetFor(pic::alienWalk, facing),
             Rect{alienWalkCellX(walking, animFrame), 0, 50, 75}, x, y);
}

void drawAlienHeadBob(Drawing& drawing, int x, int y, int facing, int cellX) {
    drawCell(drawing, sheetFor(pic::alienHeadBob, facing), Rect{cellX, 0, 50, 75}, x, y);
}

void drawAlienCollapse(Drawing& drawing, int x, int y, int facing) {
    if (const Picture* picture = sheetFor(pic::alienCollapse, facing)) {
        drawing.drawSprite(*picture, nullptr, Point{x, y + 45});
    }
}

void drawFbiAgent(Drawing& drawing, int x, int y, int facing, DrawCount characterDrawCount) {
    drawHuman(drawing, pic::fbiAgent, x, y, facing, characterDrawCount);
}

void drawScientist(Drawing& drawing, int x, int y, int facing, DrawCount characterDrawCount) {
    drawHuman(drawing, pic::scientist, x, y, facing, characterDrawCount);
}

void drawJorrin(Drawing& drawing, int x, int y, int facing, DrawCount characterDrawCount) {
    // His left-facing sheet is only 75 pixels high.
    const int height = facing == FacingLeft ? 75 : 100;
    drawCell(drawing, sheetFor(pic::jorrin, facing),
             Rect{jorrinCellX(characterDrawCount), 0, 50, height}, x, y);
}

void drawShip(Drawing& drawing, int y) {
    drawing.drawSprite(pic::ship, nullptr, Point{300, y});
}

}  // namespace qz
