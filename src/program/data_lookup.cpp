#include "program/data_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates.push_back(executable.parent_path());
        candidates.push_back(
            (executable.parent_path() / QZ_DATA_DIR_FROM_BIN_DIR).lexically_normal());
    }
    candidates.emplace_back(fs::path(QZ_INSTALL_DATA_DIR).lexically_normal());

    const std::size_t triedBefore = tried.size();
    for (const fs::path& folder : candidates) {
        const std::string name = folder.string();
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

}  // namespace qz
