// The settings file's reader on any bytes: it never crashes, hangs or
// allocates without bound, every warning is one line, and what it makes of a
// file, listed by --controls, reads back as the same settings without a word.
#include <cstddef>
#include <cstdint>
#include <string>

#include "program/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const qz::Settings settings = qz::parseSettings(text, "fuzz");
    for (const std::string& warning : settings.warnings) {
        if (warning.find('\n') != std::string::npos) {
            __builtin_trap();
        }
    }
    const qz::Settings again = qz::parseSettings(qz::describeSettings(settings), "listing");
    if (!again.warnings.empty() || again.pauseOnFocusLoss != settings.pauseOnFocusLoss) {
        __builtin_trap();
    }
    for (int i = 0; i < qz::ActionCount; ++i) {
        const auto action = static_cast<qz::Action>(i);
        if (again.bindings.triggersOf(action) != settings.bindings.triggersOf(action)) {
            __builtin_trap();
        }
    }
    return 0;
}
