#include "contact_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "bmp_file.h"
#include "cairo_shapes.h"
#include "picture_catalogue.h"
#include "typefaces.h"

namespace {

constexpr int kScale = 2;
constexpr int kGap = 24;
constexpr int kLabel = 26;
constexpr int kMaxWidth = 3400;
constexpr Rgb8 kGrey{128, 128, 128};

struct Placed {
    std::string name;
    RgbImage image;
    int x = 0, y = 0;
};

// Key pixels show as the sheet's grey, the way the game shows them: not at all.
cairo_surface_t* toSurface(const RgbImage& image) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb8 c = image.at(x, y) == kColourKey ? kGrey : image.at(x, y);
            const std::uint32_t v =
                static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
            std::memcpy(data + y * stride + x * 4, &v, 4);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

}  // namespace

bool writeContactSheet(const std::string& dataDir, const std::string& pngPath) {
    std::vector<Placed> items;
    for (const PictureEntry& entry : pictureCatalogue()) {
        const auto path = std::filesystem::path(dataDir) / "graphics" / (entry.name + ".bmp");
        std::optional<RgbImage> image = readBmp(path.string());
        if (!image) {
            std::fprintf(stderr, "quillo-asset-generator: cannot read %s\n", path.c_str());
            return false;
        }
        items.push_back(Placed{entry.name + ".bmp", std::move(*image)});
    }
    // Shelf packing, in catalogue order.
    int x = kGap, y = kGap, shelf = 0, width = 0;
    for (Placed& item : items) {
        const int w = item.image.width * kScale;
        const int h = item.image.height * kScale + kLabel;
        if (x + w + kGap > kMaxWidth && x > kGap) {
            x = kGap;
            y += shelf + kGap;
            shelf = 0;
        }
        item.x = x;
        item.y = y;
        // Room for the label under narrow pictures (about 9 pixels a letter).
        x += std::max(w, static_cast<int>(item.name.size()) * 9) + kGap;
        shelf = std::max(shelf, h);
        width = std::max(width, x);
    }
    const int height = y + shelf + kGap;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, kGrey.r / 255.0, kGrey.g / 255.0, kGrey.b / 255.0);
    cairo_paint(cr);
    useTypeface(cr, Typeface::SansBold, 16);
    for (const Placed& item : items) {
        cairo_surface_t* picture = toSurface(item.image);
        cairo_save(cr);
        cairo_translate(cr, item.x, item.y);
        cairo_scale(cr, kScale, kScale);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(picture);
        drawText(cr, item.x, item.y + item.image.height * kScale + 18, item.name, rgb(20, 20, 20));
    }
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(sheet, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    if (!ok) {
        std::fprintf(stderr, "quillo-asset-generator: cannot write %s\n", pngPath.c_str());
    }
    return ok;
}
