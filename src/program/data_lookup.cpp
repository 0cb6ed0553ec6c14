#include "program/data_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/graphics_files.h"
#include "platform/display.h"
#include "platform/file_checks.h"
#include "platform/host.h"

namespace qz {
namespace {

namespace fs = std::filesystem;

#ifndef QZ_INSTALL_DATA_DIR
#define QZ_INSTALL_DATA_DIR "/usr/local/share/quillo-zoruri"
#endif
// The data folder as seen from the folder the executable is installed in.
#ifndef QZ_DATA_DIR_FROM_BIN_DIR
#define QZ_DATA_DIR_FROM_BIN_DIR "../share/quillo-zoruri"
#endif

bool hasGraphics(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(folder / "graphics", error);
}

}  // namespace

std::optional<std::string> findDataFolder(std::vector<std::string>& tried) {
    std::error_code error;
    std::vector<fs::path> candidates;
    if (const fs::path cwd = fs::current_path(error); !error) {
        candidates.push_back(cwd);
    }
    if (const auto executable = executablePath()) {
        candidates.push_back(executable->parent_path());
        candidates.push_back(
            (executable->parent_path() / QZ_DATA_DIR_FROM_BIN_DIR).lexically_normal());
    }
    // A build with no installed folder (Windows) names none.
    if (const fs::path installed = QZ_INSTALL_DATA_DIR; !installed.empty()) {
        candidates.push_back(installed.lexically_normal());
    }

    const std::size_t triedBefore = tried.size();
    for (const fs::path& folder : candidates) {
        const std::string name = fileName(folder);
        if (std::find(tried.begin() + static_cast<std::ptrdiff_t>(triedBefore), tried.end(),
                      name) != tried.end()) {
            continue;
        }
        tried.push_back(name);
        if (hasGraphics(folder)) {
            return name;
        }
    }
    return std::nullopt;
}

const char* firstUnreadablePicture() {
    for (const Picture& picture : pic::all) {
        if (!bitmapFileIsWellFormed(picture.path)) {
            return picture.path;
        }
    }
    return nullptr;
}

std::string enterDataFolder(const std::string& asked) {
    if (!asked.empty()) {
        std::string problem = enterFolder(asked);
        if (!problem.empty()) {
            // the system's reason
        } else if (!fileExists("graphics")) {
            problem = "it has no graphics/ folder";
        } else if (!fileReadable(FontFile)) {
            problem = std::string("it has no \"") + FontFile + "\"";
        } else if (const char* missing = firstUnreadablePicture()) {
            problem = std::string("it has no readable ") + missing;
        }
        return problem.empty() ? "" : "cannot use the data folder " + asked + ": " + problem;
    }
    std::vector<std::string> tried;
    const auto folder = findDataFolder(tried);
    if (folder && enterFolder(*folder).empty()) {
        return "";
    }
    std::string list;
    for (const auto& path : tried) {
        list += (list.empty() ? "" : ", ") + path;
    }
    return "cannot find the game's data (a graphics/ folder); looked in: " + list;
}

}  // namespace qz
