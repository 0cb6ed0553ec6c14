// A file in the test's scratch folder that is removed when the test is done,
// so a run leaves nothing behind.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace qz::test {

struct ScratchFile {
    explicit ScratchFile(const char* name) : path(::testing::TempDir() + name) {}
    ~ScratchFile() { std::remove(path.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    std::string path;
};

}  // namespace qz::test
