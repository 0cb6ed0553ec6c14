#include "typefaces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdio>
#include <cstdlib>

#include "cairo_shapes.h"

namespace {

struct FontLibrary {
    FT_Library library = nullptr;
    std::array<FT_Face, 3> faces{};
    std::array<cairo_font_face_t*, 3> cairoFaces{};
};

FontLibrary& fonts() {
    static FontLibrary lib;
    return lib;
}

const char* pathOf(Typeface face) {
    switch (face) {
        case Typeface::Game:
            return QZ_GAME_FONT_PATH;
        case Typeface::Sans:
            return QZ_SANS_FONT_PATH;
        case Typeface::SansBold:
            return QZ_SANS_BOLD_FONT_PATH;
    }
    return QZ_SANS_FONT_PATH;
}

cairo_font_face_t* fontFace(Typeface face) {
    FontLibrary& lib = fonts();
    const auto i = static_cast<std::size_t>(face);
    if (lib.cairoFaces[i] != nullptr) {
        return lib.cairoFaces[i];
    }
    if (lib.library == nullptr && FT_Init_FreeType(&lib.library) != 0) {
        std::fprintf(stderr, "quillo-asset-generator: cannot start FreeType\n");
        std::exit(1);
    }
    if (FT_New_Face(lib.library, pathOf(face), 0, &lib.faces[i]) != 0) {
        std::fprintf(stderr, "quillo-asset-generator: cannot read font %s\n", pathOf(face));
        std::exit(1);
    }
    lib.cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(lib.faces[i], 0);
    return lib.cairoFaces[i];
}

}  // namespace

void useTypeface(cairo_t* cr, Typeface face, double size) {
    cairo_set_font_face(cr, fontFace(face));
    cairo_set_font_size(cr, size);
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

void drawText(cairo_t* cr, double x, double y, const std::string& text, Colour c) {
    setColour(cr, c);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text.c_str());
}

void drawCentredText(cairo_t* cr, double cx, double y, const std::string& text, Colour c) {
    drawText(cr, cx - textWidth(cr, text) / 2, y, text, c);
}

void drawOutlinedText(cairo_t* cr, double x, double y, const std::string& text, Colour fill,
                      Colour line, double lineWidth) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    setColour(cr, line);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, fill);
    cairo_fill(cr);
}

void closeTypefaces() {
    FontLibrary& lib = fonts();
    for (std::size_t i = 0; i < lib.faces.size(); ++i) {
        if (lib.cairoFaces[i] != nullptr) {
            cairo_font_face_destroy(lib.cairoFaces[i]);
            lib.cairoFaces[i] = nullptr;
        }
    }
    // cairo may still hold the faces in its font cache; it releases them itself
    // at exit, so the FreeType faces are left to the operating system.
}
