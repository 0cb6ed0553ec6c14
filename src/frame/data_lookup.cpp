#include "frame/data_lookup.h"

#include <filesystem>
#include <system_error>

namespace qz {
namespace {

#ifndef QZ_INSTALL_DATA_DIR
#define QZ_INSTALL_DATA_DIR "/usr/local/share/quillo-zoruri"
#endif

bool hasGraphics(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder / "graphics", error);
}

}  // namespace

std::optional<std::string> findDataFolder(std::vector<std::string>& tried) {
    std::error_code error;
    std::vector<std::filesystem::path> candidates;
    candidates.push_back(std::filesystem::current_path(error));
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates.push_back(executable.parent_path());
    }
    candidates.emplace_back(QZ_INSTALL_DATA_DIR);
    for (const auto& folder : candidates) {
        tried.push_back(folder.string());
        if (hasGraphics(folder)) {
            return folder.string();
        }
    }
    return std::nullopt;
}

}  // namespace qz
