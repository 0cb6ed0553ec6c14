#include "desktop_icon.h"

#include <cairo.h>

#include <cstdio>
#include <filesystem>

#include "quillo_figure.h"

namespace {

constexpr int kIconSizes[] = {48, 128};

}  // namespace

bool writeDesktopIcons(const std::string& dataDir) {
    for (int size : kIconSizes) {
        const std::string label = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(dataDir) / "icons" / label;
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(s);
        // The face with its lit antennae spans about 46 x 46 units; leave a margin.
        const double scale = size / 50.0;
        drawQuilloFace(cr, size / 2.0, size * 0.63, scale);
        cairo_destroy(cr);
        const std::string path = (folder / "quillo-zoruri.png").string();
        const bool ok = !ec && cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(s);
        if (!ok) {
            std::fprintf(stderr, "quillo-asset-generator: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
