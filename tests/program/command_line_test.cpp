// The command line: every option in both spellings, and each kind of mistake.
#include "program/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace qz::test {
namespace {

ParsedOptions parse(std::vector<const char*> args) {
    args.insert(args.begin(), "quillo-zoruri");
    return parseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, NoOptionsMeansTheGameAsItAlwaysWas) {
    const ParsedOptions p = parse({});
    EXPECT_TRUE(p.error.empty());
    EXPECT_FALSE(p.options.fullscreen || p.options.help || p.options.version);
    EXPECT_EQ(p.options.scale, 1);
    EXPECT_TRUE(p.options.dataFolder.empty() && p.options.recordFile.empty() &&
                p.options.replayFile.empty());
}

TEST(CommandLine, ReadsEveryOptionWithItsValueBesideOrAfterAnEqualsSign) {
    const ParsedOptions p =
        parse({"--fullscreen", "--scale", "3", "--data=/d", "--record", "r.txt"});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_TRUE(p.options.fullscreen);
    EXPECT_EQ(p.options.scale, 3);
    EXPECT_EQ(p.options.dataFolder, "/d");
    EXPECT_EQ(p.options.recordFile, "r.txt");
    const ParsedOptions q = parse({"--scale=4", "--replay=x", "--version"});
    ASSERT_TRUE(q.error.empty()) << q.error;
    EXPECT_EQ(q.options.scale, 4);
    EXPECT_EQ(q.options.replayFile, "x");
    EXPECT_TRUE(q.options.version);
}

TEST(CommandLine, EachMistakeIsNamedInItsOneLine) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> mistakes{
        {{"--scale", "0"}, "\"0\" for --scale"},
        {{"--scale", "5"}, "\"5\" for --scale"},
        {{"--scale=2x"}, "\"2x\" for --scale"},
        {{"--scale", "-1"}, "\"-1\" for --scale"},
        {{"--scale"}, "--scale needs a value"},
        {{"--data="}, "--data needs a value"},
        {{"--record"}, "--record needs a value"},
        {{"--fullscreen=yes"}, "--fullscreen takes no value"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"-x"}, "unknown option -x"},
        {{"stray"}, "unexpected argument \"stray\""},
        {{"--fullscreen", "stray"}, "unexpected argument \"stray\""},
        {{"--record", "a", "--replay", "b"}, "cannot be used together"},
    };
    for (const auto& [args, named] : mistakes) {
        const std::string error = parse(args).error;
        EXPECT_NE(error.find(named), std::string::npos) << "error: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

TEST(CommandLine, HelpAnywhereOnTheLineWinsOverEverythingElse) {
    const std::vector<std::vector<const char*>> lines{
        {"-h"},
        {"--frobnicate", "--help"},
        {"stray", "-h"},
        {"--scale", "9", "--help"},
        {"--record", "a", "--replay", "b", "-h"},
        {"--version", "--help"},
    };
    for (const auto& args : lines) {
        const ParsedOptions p = parse(args);
        EXPECT_TRUE(p.error.empty()) << p.error;
        EXPECT_TRUE(p.options.help) << args.front();
    }
}

TEST(CommandLine, TheHelpNamesEveryOptionAndTheKeys) {
    const std::string help = helpText();
    for (const char* word : {"-h,", "--help", "--version", "--data", "--fullscreen", "--scale",
                             "--record", "--replay", "F11", "Alt+Enter", "Escape", "graphics/"}) {
        EXPECT_NE(help.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace qz::test
