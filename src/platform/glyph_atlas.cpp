#include "platform/glyph_atlas.h"

#include <algorithm>
#include <sstream>

namespace qz {

const Glyph* GlyphAtlas::glyph(char c) const {
    if (c < FirstGlyph || c > LastGlyph) {
        return nullptr;
    }
    return &glyphs[static_cast<std::size_t>(c - FirstGlyph)];
}

int GlyphAtlas::kern(char before, char after) const {
    const auto found = kerning.find({before, after});
    return found == kerning.end() ? 0 : found->second;
}

std::optional<ComposedText> composeText(const GlyphAtlas& atlas, const std::string& text) {
    // The size first, as the library measures it: from the leftmost ink or
    // pen position to the rightmost, kerning included.
    int minx = 0;
    int maxx = 0;
    int x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph* g = atlas.glyph(text[i]);
        if (!g) {
            return std::nullopt;
        }
        if (i > 0) {
            x += atlas.kern(text[i - 1], text[i]);
        }
        minx = std::min(minx, x + g->minx);
        maxx = std::max(maxx, x + std::max(g->advance, g->maxx));
        x += g->advance;
    }
    ComposedText composed;
    composed.w = maxx - minx;
    composed.h = atlas.height;
    if (composed.w <= 0 || composed.h <= 0) {
        return std::nullopt;
    }
    composed.pitch = (composed.w + 3) & ~3;
    composed.pixels.assign(static_cast<std::size_t>(composed.pitch) * composed.h, 0);
    // Then each glyph's ink, laid over the others at its pen position; the
    // first is moved right when it reaches left of its pen. The library
    // writes every row at its offset into the whole buffer, so ink beyond
    // a row's end carries on into the next, and so does it here.
    const long end = static_cast<long>(composed.pixels.size());
    int pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& g = *atlas.glyph(text[i]);
        if (i > 0) {
            pen += atlas.kern(text[i - 1], text[i]);
        } else if (g.minx < 0) {
            pen -= g.minx;
        }
        for (int row = 0; row < composed.h; ++row) {
            for (int col = 0; col < g.width; ++col) {
                if (!g.ink[static_cast<std::size_t>(row * g.width + col)]) {
                    continue;
                }
                const long at = long(row) * composed.pitch + pen + g.left + col;
                if (at >= 0 && at < end) {
                    composed.pixels[static_cast<std::size_t>(at)] = 1;
                }
            }
        }
        pen += g.advance;
    }
    return composed;
}

std::string atlasMetrics(const GlyphAtlas& atlas) {
    std::ostringstream out;
    out << "height " << atlas.height << "\n";
    int x = 0;
    for (std::size_t i = 0; i < GlyphCount; ++i) {
        const Glyph& g = atlas.glyphs[i];
        out << "glyph " << int(FirstGlyph) + int(i) << ' ' << x << ' ' << g.width << ' ' << g.left
            << ' ' << g.minx << ' ' << g.maxx << ' ' << g.advance << "\n";
        x += g.width;
    }
    for (const auto& [pair, pixels] : atlas.kerning) {
        out << "kern " << int(pair.first) << ' ' << int(pair.second) << ' ' << pixels << "\n";
    }
    return out.str();
}

AtlasPicture atlasPicture(const GlyphAtlas& atlas) {
    AtlasPicture picture;
    picture.h = atlas.height;
    for (const Glyph& g : atlas.glyphs) {
        picture.w += g.width;
    }
    picture.ink.assign(static_cast<std::size_t>(picture.w) * picture.h, 0);
    int x = 0;
    for (const Glyph& g : atlas.glyphs) {
        for (int row = 0; row < picture.h; ++row) {
            std::copy_n(g.ink.begin() + row * g.width, g.width,
                        picture.ink.begin() + row * picture.w + x);
        }
        x += g.width;
    }
    return picture;
}

std::optional<GlyphAtlas> readAtlas(const std::string& metrics, const AtlasPicture& picture) {
    GlyphAtlas atlas;
    std::istringstream in(metrics);
    std::string word;
    std::size_t glyphsRead = 0;
    while (in >> word) {
        if (word == "height") {
            in >> atlas.height;
        } else if (word == "glyph") {
            int code = 0;
            int x = 0;
            Glyph g;
            in >> code >> x >> g.width >> g.left >> g.minx >> g.maxx >> g.advance;
            if (!in || code < FirstGlyph || code > LastGlyph || x < 0 || g.width < 0 ||
                x + g.width > picture.w || atlas.height != picture.h) {
                return std::nullopt;
            }
            g.ink.resize(static_cast<std::size_t>(g.width) * atlas.height);
            for (int row = 0; row < atlas.height; ++row) {
                std::copy_n(picture.ink.begin() + row * picture.w + x, g.width,
                            g.ink.begin() + row * g.width);
            }
            atlas.glyphs[static_cast<std::size_t>(code - FirstGlyph)] = std::move(g);
            ++glyphsRead;
        } else if (word == "kern") {
            int before = 0;
            int after = 0;
            int pixels = 0;
            in >> before >> after >> pixels;
            atlas.kerning[{char(before), char(after)}] = pixels;
        } else {
            return std::nullopt;
        }
    }
    if (glyphsRead != GlyphCount || atlas.height <= 0) {
        return std::nullopt;
    }
    return atlas;
}

std::string atlasMetricsFile(int points) {
    return "fonts/glyphs-" + std::to_string(points) + ".txt";
}

std::string atlasPictureFile(int points) {
    return "fonts/glyphs-" + std::to_string(points) + ".bmp";
}

}  // namespace qz
