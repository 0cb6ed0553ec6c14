// Renders the game's font with the native font library into the glyph
// atlases the browser build draws its texts from, then proves them: every
// pair of characters and every text below, composed from the atlas, must
// come out pixel for pixel as the library renders it.
//
//   quillo-glyph-atlas <data-folder> <out-folder>
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/glyph_atlas.h"

namespace {

using qz::ComposedText;
using qz::GlyphAtlas;

// A solid rendering as the library makes it, as ink and background.
std::optional<ComposedText> rendered(TTF_Font* font, const std::string& text) {
    SDL_Surface* solid = TTF_RenderText_Solid(font, text.c_str(), SDL_Color{255, 255, 255, 0});
    if (!solid) {
        return std::nullopt;
    }
    ComposedText out;
    out.w = solid->w;
    out.h = solid->h;
    out.pitch = solid->pitch;
    out.pixels.assign(static_cast<std::size_t>(out.pitch) * out.h, 0);
    for (int y = 0; y < out.h; ++y) {
        for (int x = 0; x < out.w; ++x) {
            const auto* row = static_cast<const Uint8*>(solid->pixels) + y * solid->pitch;
            out.pixels[static_cast<std::size_t>(y * out.pitch + x)] = row[x] != 0;
        }
    }
    SDL_FreeSurface(solid);
    return out;
}

bool sameInk(const std::optional<ComposedText>& a, const std::optional<ComposedText>& b) {
    if (!a || !b) {
        return !a && !b;
    }
    if (a->w != b->w || a->h != b->h) {
        return false;
    }
    for (int y = 0; y < a->h; ++y) {
        for (int x = 0; x < a->w; ++x) {
            if (a->pixels[static_cast<std::size_t>(y * a->pitch + x)] !=
                b->pixels[static_cast<std::size_t>(y * b->pitch + x)]) {
                return false;
            }
        }
    }
    return true;
}

GlyphAtlas makeAtlas(TTF_Font* font, FT_Face face, int points) {
    GlyphAtlas atlas;
    atlas.height = TTF_FontHeight(font);
    for (std::size_t i = 0; i < qz::GlyphCount; ++i) {
        const char c = static_cast<char>(qz::FirstGlyph + int(i));
        qz::Glyph& g = atlas.glyphs[i];
        int miny = 0;
        int maxy = 0;
        TTF_GlyphMetrics(font, static_cast<Uint16>(c), &g.minx, &g.maxx, &miny, &maxy, &g.advance);
        // Alone, a glyph reaching left of its pen is moved right until it does not.
        g.left = std::min(g.minx, 0);
        if (const auto alone = rendered(font, std::string(1, c))) {
            g.width = alone->w;
            g.ink.resize(static_cast<std::size_t>(g.width) * atlas.height);
            for (int y = 0; y < atlas.height && y < alone->h; ++y) {
                for (int x = 0; x < g.width; ++x) {
                    g.ink[static_cast<std::size_t>(y * g.width + x)] =
                        alone->pixels[static_cast<std::size_t>(y * alone->pitch + x)];
                }
            }
        }
    }
    // The library asks the font for its kerning at its size, in whole pixels.
    FT_Set_Char_Size(face, 0, points * 64, 0, 0);
    if (FT_HAS_KERNING(face)) {
        for (char a = qz::FirstGlyph; a <= qz::LastGlyph; ++a) {
            for (char b = qz::FirstGlyph; b <= qz::LastGlyph; ++b) {
                FT_Vector delta{};
                FT_Get_Kerning(face, FT_Get_Char_Index(face, FT_ULong(a)),
                               FT_Get_Char_Index(face, FT_ULong(b)), FT_KERNING_DEFAULT, &delta);
                if (delta.x >> 6) {
                    atlas.kerning[{a, b}] = static_cast<int>(delta.x >> 6);
                }
            }
        }
    }
    return atlas;
}

// Texts beyond the pairs: the game's longer lines and numbers.
const std::vector<std::string> LongerTexts = {
    "Quillo Zoruri",
    "Press S to start",
    "Press I for instructions",
    "Score: 1234567890",
    "Energy",
    "Washington DC",
    "The Forest",
    "Call Ship",
    "Landing",
    "Game Over",
    "You made it home!",
    "AVAWAYTo, Wo; Ty. ffi fl",
    "0123456789 ~!@#$%^&*()_+{}|:\"<>?`-=[]\\;',./",
    "The quick brown fox jumps over the lazy dog",
};

int checkAtlas(TTF_Font* font, const GlyphAtlas& atlas, int points) {
    int wrong = 0;
    auto check = [&](const std::string& text) {
        if (!sameInk(composeText(atlas, text), rendered(font, text))) {
            if (++wrong <= 5) {
                std::fprintf(stderr, "glyph-atlas: %d points: \"%s\" differs\n", points,
                             text.c_str());
            }
        }
    };
    for (char a = qz::FirstGlyph; a <= qz::LastGlyph; ++a) {
        for (char b = qz::FirstGlyph; b <= qz::LastGlyph; ++b) {
            check(std::string{a, b});
        }
    }
    for (const std::string& text : LongerTexts) {
        check(text);
    }
    return wrong;
}

bool writeAtlas(const GlyphAtlas& atlas, const std::filesystem::path& out, int points) {
    std::ofstream(out / qz::atlasMetricsFile(points)) << qz::atlasMetrics(atlas);
    const qz::AtlasPicture picture = qz::atlasPicture(atlas);
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, picture.w, picture.h, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    if (!surface) {
        return false;
    }
    for (int y = 0; y < picture.h; ++y) {
        auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < picture.w; ++x) {
            const Uint8 v = picture.ink[static_cast<std::size_t>(y * picture.w + x)] ? 255 : 0;
            row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = v;
        }
    }
    const bool saved =
        SDL_SaveBMP(surface, (out / qz::atlasPictureFile(points)).string().c_str()) == 0;
    SDL_FreeSurface(surface);
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quillo-glyph-atlas <data-folder> <out-folder>\n");
        return 2;
    }
    const std::filesystem::path fontPath = std::filesystem::path(argv[1]) / qz::FontFile;
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out / "fonts");
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (TTF_Init() != 0 || FT_Init_FreeType(&library) != 0 ||
        FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "glyph-atlas: cannot read %s\n", fontPath.c_str());
        return 1;
    }
    int status = 0;
    for (const qz::FontSize size :
         {qz::FontSize::Small, qz::FontSize::Medium, qz::FontSize::Large}) {
        const int points = static_cast<int>(size);
        TTF_Font* font = TTF_OpenFont(fontPath.c_str(), points);
        if (!font) {
            std::fprintf(stderr, "glyph-atlas: cannot open %s\n", fontPath.c_str());
            return 1;
        }
        const GlyphAtlas atlas = makeAtlas(font, face, points);
        if (const int wrong = checkAtlas(font, atlas, points)) {
            std::fprintf(stderr, "glyph-atlas: %d points: %d texts differ from the library's\n",
                         points, wrong);
            status = 1;
        } else if (!writeAtlas(atlas, out, points)) {
            std::fprintf(stderr, "glyph-atlas: cannot write the %d-point atlas\n", points);
            status = 1;
        }
        TTF_CloseFont(font);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    TTF_Quit();
    return status;
}
