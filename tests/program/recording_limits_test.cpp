// What a recording does where the system runs short: a full disk is told
// once, and a file too large for memory is refused in one line. Both lean on
// POSIX (/dev/full, a child process under a memory limit), so they stay on
// Linux.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "program/recorded_session.h"
#include "support/game_fixture.h"
#include "support/recorded_game.h"
#include "support/scratch_file.h"

namespace qz::test {
namespace {

using Recording = GameTest;

TEST_F(Recording, TheFirstFailedWriteIsToldOnceAndTheGameGoesOn) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    bool failed = false;
    const KeyScript script = KeyScript().idle(3).tap({KeyS}).idle(40);
    const std::vector<std::string> said = record(canvas(), 5, script, full, "/dev/full", failed);
    std::fclose(full);
    EXPECT_TRUE(failed);
    ASSERT_EQ(said.size(), 1u) << "one line, however many turns could not be written";
    EXPECT_NE(said[0].find("/dev/full"), std::string::npos) << said[0];
    EXPECT_NE(said[0].find(std::strerror(ENOSPC)), std::string::npos) << said[0];
}

// The address space the process has taken, in bytes.
std::size_t addressSpace() {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;) {
        if (word == "VmSize:") {
            std::size_t kB = 0;
            status >> kB;
            return kB << 10;
        }
    }
    return 0;
}

// Loads the file in a child process whose address space may grow by no more
// than `room` bytes; what the load says (nothing for a good file).
std::string loadedWithin(const std::string& path, std::size_t room) {
    int ends[2];
    if (pipe(ends) != 0) {
        return "no pipe";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        const rlim_t limit = addressSpace() + room;
        const rlimit bound{limit, limit};
        const std::string said =
            setrlimit(RLIMIT_AS, &bound) == 0 ? loadSession(path).error : "no limit set";
        _exit(write(ends[1], said.data(), said.size()) < 0 ? 1 : 0);
    }
    close(ends[1]);
    std::string said;
    char part[256];
    for (ssize_t n; (n = read(ends[0], part, sizeof part)) > 0;) {
        said.append(part, static_cast<std::size_t>(n));
    }
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return said;
}

// A recording is held in a byte or so a turn: a file of turns that took
// nothing (two bytes a turn) is read within twice its size, and one that
// memory cannot hold is refused in one line.
TEST(ReplayFile, IsReadWithinTwiceItsSizeOrRefusedInOneLine) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's shadow takes more address space than any limit here";
#endif
    const std::size_t turns = std::size_t{2} << 20;
    ScratchFile file("bare.replay");
    {
        std::string text = "quillo-zoruri replay 2 seed 5\n";
        for (std::size_t turn = 1; turn <= turns; ++turn) {
            text += turn % CheckpointTurns ? "t\n"
                                           : "t\nc " + std::to_string(turn) + " 0123456789abcdef\n";
        }
        text += "end " + std::to_string(turns) + " 0123456789abcdef\n";
        std::ofstream(file.path, std::ios::binary) << text;
    }
    const std::size_t size = std::filesystem::file_size(file.path);
    EXPECT_EQ(loadedWithin(file.path, 2 * size), "");
    EXPECT_EQ(loadedWithin(file.path, size / 8),
              "there is not memory enough to replay " + file.path);
}

}  // namespace
}  // namespace qz::test
