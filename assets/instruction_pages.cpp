#include "instruction_pages.h"

#include "cairo_shapes.h"
#include "hole_indicators.h"
#include "human_figures.h"
#include "instruction_layout.h"
#include "phone_and_candy.h"
#include "quillo_figure.h"
#include "saucer.h"
#include "status_pictures.h"
#include "trees_and_flowers.h"
#include "typefaces.h"

namespace {

const char* const kNextPage = "Press any key for the next page - Escape returns to the title";
const char* const kLastPage = "Press any key to return to the title";

// Draws a piece of game art at (x, y), scaled, clipped to its own w x h box.
template <typename Draw>
void placeArt(cairo_t* cr, double x, double y, double scale, double w, double h, Draw draw) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    draw(cr);
    cairo_restore(cr);
}

void drawPhonePieces(cairo_t* cr, double x, double y, double scale) {
    placeArt(cr, x, y, scale, 25, 30, [](cairo_t* c) { drawPhonePiece(c, 1); });
    placeArt(cr, x + 32 * scale, y, scale, 35, 30, [](cairo_t* c) { drawPhonePiece(c, 2); });
    placeArt(cr, x + 74 * scale, y, scale, 45, 30, [](cairo_t* c) { drawPhonePiece(c, 3); });
}

void drawStoryAndKeys(cairo_t* cr) {
    drawPageFrame(cr, "Quillo is stranded!", 1, kNextPage);
    placeArt(cr, 604, 80, 1.3, 50, 75, [](cairo_t* c) { drawQuillo(c, QuilloPose{}); });
    drawSaucer(cr, 716, 100, 0.32);
    drawParagraph(cr, page::kLeft, 98, 530,
                  {{"Quillo's saucer had to leave without it, and its phone home broke into "
                    "three pieces. Find the pieces, call the ship and fly home!"}},
                  17.5, 23);

    double y = drawSectionHeading(cr, page::kLeft, 170, "The keys");
    const double text = 212;
    double x = page::kLeft;
    x += drawArrowKeycap(cr, x, y, Arrow::Left) + 4;
    x += drawArrowKeycap(cr, x, y, Arrow::Right) + 4;
    x += drawArrowKeycap(cr, x, y, Arrow::Up) + 4;
    drawArrowKeycap(cr, x, y, Arrow::Down);
    drawParagraph(
        cr, text, y + 18, 530,
        {{"Walk.", true}, {" Walking off the edge of the screen takes you into the next area."}});
    y += 40;
    drawKeycap(cr, page::kLeft, y, "X");
    drawParagraph(cr, text, y + 18, 530,
                  {{"Drop into a hole", true},
                   {" you are standing on. Inside a hole, X switches on levitation: then hold "},
                   {"Up", true},
                   {" to rise out."}});
    y += 56;
    drawKeycap(cr, page::kLeft, y, "Z");
    drawParagraph(cr, text, y + 18, 530,
                  {{"Use the power", true},
                   {" of the zone you stand in (costs 10 energy). Inside a hole, Z revives the "
                    "flower."}});
    y += 56;
    x = page::kLeft;
    x += drawKeycap(cr, x, y, "S") + 8;
    drawParagraph(cr, x, y + 18, 200, {{"Start a game"}});
    x = 290;
    x += drawKeycap(cr, x, y, "I") + 8;
    drawParagraph(cr, x, y + 18, 200, {{"Instructions"}});
    x = 480;
    x += drawKeycap(cr, x, y, "Esc") + 8;
    drawParagraph(cr, x, y + 18, 200, {{"Quit"}});

    y = drawSectionHeading(cr, page::kLeft, 410, "Going home");
    drawNoteBox(cr, page::kLeft - 8, y - 8, 712, 130, rgb(232, 246, 236));
    double line = y + 12;
    line = drawParagraph(cr, page::kLeft + 4, line, 520,
                         {{"1.", true},
                          {" Find the "},
                          {"three phone pieces", true},
                          {", hidden in holes of Areas One, Two and Three."}});
    line = drawParagraph(cr, page::kLeft + 4, line + 4, 520,
                         {{"2.", true},
                          {" Use the "},
                          {"Call Ship", true},
                          {" zone while the FBI agent or the scientist is near."}});
    line = drawParagraph(cr, page::kLeft + 4, line + 4, 400,
                         {{"3.", true}, {" Wait until the time indicator has run down."}});
    drawParagraph(
        cr, page::kLeft + 4, line + 4, 520,
        {{"4.", true}, {" Stand in the "}, {"Landing", true}, {" zone: the ship takes you home!"}});
    drawPhonePieces(cr, 590, y - 2, 1.15);
    for (int q = 4; q >= 0; --q) {
        placeArt(cr, 470 + (4 - q) * 52, line - 26, 0.56, 80, 32,
                 [q](cairo_t* c) { drawTimeIndicator(c, q); });
    }
}

void drawHolesAndZones(cairo_t* cr) {
    drawPageFrame(cr, "Holes and zones", 2, kNextPage);
    double y = drawSectionHeading(cr, page::kLeft, 100, "The holes are invisible");
    drawParagraph(cr, page::kLeft, y + 2, 700,
                  {{"Watch the "},
                   {"hole indicator", true},
                   {" at the bottom left of the screen while you walk:"}});
    static void (*const kPanels[3])(cairo_t*) = {drawNoHolePanel, drawUnsearchedHolePanel,
                                                 drawSearchedHolePanel};
    static const char* const kCaptions[3] = {"No hole here", "A hole! Press X", "Already searched"};
    for (int i = 0; i < 3; ++i) {
        const double px = 70 + i * 150;
        placeArt(cr, px, y + 18, 0.6, 150, 150, kPanels[i]);
        useTypeface(cr, Typeface::SansBold, 14);
        drawCentredText(cr, px + 45, y + 124, kCaptions[i], page::kInk);
    }
    drawPhonePieces(cr, 560, y + 30, 1.3);
    placeArt(cr, 600, y + 80, 1.4, 15, 25, [](cairo_t* c) { drawFlower(c, true); });
    drawParagraph(cr, 540, y + 130, 210, {{"Pieces and the flower lie inside.", false}}, 14, 18);

    y = drawParagraph(cr, page::kLeft, y + 162, 700,
                      {{"Inside a hole, walk up to a phone piece to take it. Press "},
                       {"X", true},
                       {" to levitate and hold "},
                       {"Up", true},
                       {" to rise out."}});

    y = drawSectionHeading(cr, page::kLeft, y + 16, "Power zones");
    y = drawParagraph(cr, page::kLeft, y + 2, 700,
                      {{"Every area has nine zone cells. The top band names the zone you stand in; "
                        "press "},
                       {"Z", true},
                       {" to use its power for 10 energy:"}});
    const std::vector<std::vector<Span>> zones = {
        {{"Phone:", true}, {" the holes that hold phone pieces blink."}},
        {{"Push Back Humans:", true}, {" the pursuer walks away."}},
        {{"Eat Candy:", true}, {" eat a candy you carry for 45 energy."}},
        {{"Call Jorrin:", true}, {" Jorrin takes your candy, 770 points each."}},
        {{"Move Up, Down, Left, Right:", true},
         {" jump to the next area and shake off the pursuer for a while."}},
        {{"Call Ship:", true}, {" calls the ship home (see page 1)."}},
        {{"Landing:", true}, {" where the ship picks you up."}},
    };
    drawNoteBox(cr, page::kLeft - 8, y - 8, 712, 548 - y, rgb(236, 244, 250));
    y += 12;
    for (const auto& zone : zones) {
        y = drawParagraph(cr, page::kLeft + 4, y, 690, zone, 16, 20) + 1;
    }
}

void drawFriendsAndFoes(cairo_t* cr) {
    drawPageFrame(cr, "Energy, friends and foes", 3, kLastPage);
    const double text = 210;
    const double width = 540;

    placeArt(cr, page::kLeft, 88, 1.0, 145, 50, drawEnergyBar);
    drawParagraph(cr, text, 110, width,
                  {{"Energy", true},
                   {" drains as you walk, fall and levitate. The bar at the bottom shows what is "
                    "left."}});

    for (int kind = 1; kind <= 4; ++kind) {
        placeArt(cr, page::kLeft + (kind - 1) * 36, 164, 2.0, 15, 15,
                 [kind](cairo_t* c) { drawCandy(c, kind); });
    }
    drawParagraph(cr, text, 168, width,
                  {{"Crunko's candy pieces", true},
                   {" lie in Areas One to Three, some of them invisible. Walk over one to pick it "
                    "up; eat it in an Eat Candy zone or let Jorrin take it for points."}});

    placeArt(cr, page::kLeft + 10, 222, 0.9, 50, 100, [](cairo_t* c) { drawFbiAgent(c, false); });
    drawParagraph(cr, text, 250, width,
                  {{"The FBI agent", true},
                   {" takes a phone piece back when he catches you, or your candy if you hold no "
                    "piece. He hides it in a hole again."}});

    placeArt(cr, page::kLeft + 80, 222, 0.9, 50, 100, [](cairo_t* c) { drawScientist(c, false); });
    drawParagraph(cr, text, 318, width,
                  {{"The scientist", true}, {" carries you off to Washington DC."}});

    placeArt(cr, page::kLeft + 30, 330, 1.1, 50, 75, [](cairo_t* c) { drawJorrin(c, false); });
    drawParagraph(cr, text, 372, width,
                  {{"Jorrin", true},
                   {" comes to revive you when your energy runs out. It costs one life; with no "
                    "lives left the game is over."}});

    placeArt(cr, page::kLeft + 44, 448, 2.0, 15, 25, [](cairo_t* c) { drawFlower(c, false); });
    placeArt(cr, page::kLeft + 84, 448, 2.0, 15, 25, [](cairo_t* c) { drawFlower(c, true); });
    drawParagraph(cr, text, 468, width,
                  {{"A flower", true},
                   {" is hidden in one of the holes. Press Z inside that hole to revive it: "
                    "one extra life, once."}});
}

}  // namespace

void drawInstructionPage(cairo_t* cr, int page) {
    if (page == 1) {
        drawStoryAndKeys(cr);
    } else if (page == 2) {
        drawHolesAndZones(cr);
    } else {
        drawFriendsAndFoes(cr);
    }
}
