// The font as the browser build draws it: every character as the native font
// library renders it on its own, its metrics and the kerning of each pair,
// all made at build time (tools/glyph_atlas.cpp), and a text composed from
// them the way that library composes its solid renderings.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qz {

constexpr char FirstGlyph = ' ';
constexpr char LastGlyph = '~';
constexpr std::size_t GlyphCount = LastGlyph - FirstGlyph + 1;

struct Glyph {
    int minx = 0;  // the library's metrics, from the pen position
    int maxx = 0;
    int advance = 0;
    int left = 0;                   // where the first column of `ink` lies, from the pen position
    int width = 0;                  // columns of `ink`
    std::vector<std::uint8_t> ink;  // height x width, 1 where the glyph is drawn
};

struct GlyphAtlas {
    int height = 0;  // the font's line height: every rendering is this tall
    std::array<Glyph, GlyphCount> glyphs{};
    std::map<std::pair<char, char>, int> kerning;  // pixels, only the pairs that have some

    const Glyph* glyph(char c) const;
    int kern(char before, char after) const;
};

// A solid rendering: 1 where the text is drawn, 0 for its background, rows
// `pitch` bytes apart as the library pads them.
struct ComposedText {
    int w = 0;
    int h = 0;
    int pitch = 0;
    std::vector<std::uint8_t> pixels;
};

// The rendering of `text`; nothing for an empty text, one of zero width or
// one with a character outside the atlas.
std::optional<ComposedText> composeText(const GlyphAtlas& atlas, const std::string& text);

// The atlas's file form: the metrics and kerning as text, and the ink of
// every glyph side by side in one picture of `height` rows.
struct AtlasPicture {
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> ink;  // h x w
};
std::string atlasMetrics(const GlyphAtlas& atlas);
AtlasPicture atlasPicture(const GlyphAtlas& atlas);
// Reads the two back; nothing when they do not fit together.
std::optional<GlyphAtlas> readAtlas(const std::string& metrics, const AtlasPicture& picture);

// The metrics and picture files of the font at `points`.
std::string atlasMetricsFile(int points);
std::string atlasPictureFile(int points);

}  // namespace qz
