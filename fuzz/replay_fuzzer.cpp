// The recordings' reader on any bytes: it never crashes, hangs or allocates
// without bound, a refusal is one line, and a recording it takes, written
// again in today's format, reads back as the same turns.
#include <cstddef>
#include <cstdint>
#include <string>

#include "program/recorded_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const qz::LoadedSession loaded = qz::parseSession(text, "fuzz");
    if (!loaded.error.empty()) {
        if (loaded.error.find('\n') != std::string::npos) {
            __builtin_trap();
        }
        return 0;
    }
    const qz::RecordedSession& session = loaded.session;
    std::string written = qz::headerLine(session.seed) + "\n";
    for (std::size_t i = 0; i < session.turns.size(); ++i) {
        written += qz::turnLine(session.turns[i]) + "\n";
    }
    written += "end " + std::to_string(session.turns.size()) + " " + session.finalDigest + "\n";
    const qz::LoadedSession again = qz::parseSession(written, "again");
    if (!again.error.empty() || again.session.seed != session.seed ||
        again.session.turns.size() != session.turns.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < session.turns.size(); ++i) {
        if (!(again.session.turns[i].input == session.turns[i].input) ||
            again.session.turns[i].soundAnswers != session.turns[i].soundAnswers) {
            __builtin_trap();
        }
    }
    return 0;
}
