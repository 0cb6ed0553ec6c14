// The player's settings file: every line is used or named in one warning,
// and the controls listing reads back as the same settings.
#include "program/settings_file.h"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include "controls/key_names.h"
#include "support/game_fixture.h"

namespace qz::test {
namespace {

Trigger key(const char* name) {
    return Trigger::key(*keyCodeOfName(name));
}
Trigger pad(const char* name) {
    return Trigger::pad(*padInputOfName(name));
}

struct FileCase {
    std::string text;
    std::vector<std::string> warnings;  // what each warning says, in order
    // Triggers and the action they ask for afterwards; nothing for none.
    std::vector<std::pair<Trigger, std::optional<Action>>> bound;
    bool pauseOnFocusLoss = true;
    bool assist = false;
};

// Reads each case's file, named "f".
void expectRead(const std::vector<FileCase>& cases) {
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Settings settings = parseSettings(c.text, "f");
        ASSERT_EQ(settings.warnings.size(), c.warnings.size())
            << (settings.warnings.empty() ? "" : settings.warnings.front());
        for (std::size_t i = 0; i < c.warnings.size(); ++i) {
            EXPECT_EQ(settings.warnings[i].rfind(c.warnings[i], 0), 0u) << settings.warnings[i];
        }
        for (const auto& [trigger, action] : c.bound) {
            EXPECT_EQ(settings.bindings.actionOf(trigger), action) << triggerName(trigger);
        }
        EXPECT_EQ(settings.pauseOnFocusLoss, c.pauseOnFocusLoss);
        EXPECT_EQ(settings.assist, c.assist);
    }
}

TEST(SettingsFile, EveryLineIsUsedOrNamedInOneWarning) {
    const std::vector<FileCase> cases{
        // Nothing, comments and blank lines: the defaults.
        {"",
         {},
         {{key("Left"), Action::Left}, {key("p"), Action::Pause}, {key("m"), Action::Mute}}},
        {"# mine\n\n   \t\n", {}, {{pad("pad:button0"), Action::Drop}}},
        // A line replaces the action's defaults, keys in any case, \r\n too.
        {"left = a PAD:HAT-LEFT\r\n",
         {},
         {{key("a"), Action::Left},
          {key("Left"), std::nullopt},
          {pad("pad:axis0-"), std::nullopt}}},
        {"left=A pad:hat-left\nright = d\n",
         {},
         {{key("A"), Action::Left}, {key("D"), Action::Right}, {key("Right"), std::nullopt}}},
        // Multi-word names, pad ends of axes, an action bound to nothing.
        {"drop = left_shift pad:axis7+ # comment\nmute =\n",
         {},
         {{key("left shift"), Action::Drop},
          {pad("pad:axis7+"), Action::Drop},
          {key("x"), std::nullopt},
          {key("m"), std::nullopt}}},
        {"pause-on-focus-loss = no\n", {}, {}, false},
        {"assist = on\nmap = M\n",
         {"f line 2: M was mute's by default; it is map's now"},
         {{key("m"), Action::Map}, {key("Tab"), std::nullopt}},
         true,
         true},
        // The map's Tab gives way to the player's keys without a word.
        {"drop = Tab\n", {}, {{key("Tab"), Action::Drop}}},
        {"assist = yes\n", {"f line 1: assist is on or off"}, {}},
        // Lines that cannot be read: named, left out, the rest used.
        {"left = A\njump = B\nright = D\n",
         {"f line 2: no setting is called \"jump\""},
         {{key("A"), Action::Left}, {key("D"), Action::Right}}},
        {"just words\nup = W\n", {"f line 1: not a setting"}, {{key("W"), Action::Up}}},
        {"left = A Nosuchkey\n",
         {"f line 1: no key or pad input is called \"Nosuchkey\"; this line is left out"},
         {{key("Left"), Action::Left}, {key("A"), std::nullopt}}},
        {"quit = pad:button32\nquit = pad:axis8+\n",
         {"f line 1: no key or pad input", "f line 2: no key or pad input"},
         {{key("Escape"), Action::Quit}}},
        {"pause = F11\nmute = Left_Alt\n",
         {"f line 1: F11 belongs to the window", "f line 2: Left_Alt belongs to the window"},
         {{key("p"), Action::Pause}}},
        {"left = A\nleft = B\n",
         {"f line 2: already set on line 1; this line is left out"},
         {{key("A"), Action::Left}, {key("B"), std::nullopt}}},
        {"pause-on-focus-loss = maybe\n", {"f line 1: pause-on-focus-loss is yes or no"}, {}},
        // A key given to two actions stays with the first.
        {"left = A\nright = A D\n",
         {"f line 2: A is left's already (line 1); it stays left's"},
         {{key("A"), Action::Left}, {key("D"), Action::Right}}},
        // A line whose keys all stay with others leaves the action its own.
        {"left = A\nright = A\n",
         {"f line 2: A is left's already (line 1); it stays left's; right keeps its defaults"},
         {{key("A"), Action::Left},
          {key("Right"), Action::Right},
          {pad("pad:axis0+"), Action::Right}}},
        {"drop = Z\n",
         {"f line 1: Z was power's by default; it is drop's now"},
         {{key("Z"), Action::Drop}, {pad("pad:button1"), Action::Power}}},
        // Not a settings file at all.
        {"\x7f"
         "ELF\x02\x01\x01\x00",
         {"f line 1: not a setting"},
         {{key("Left"), Action::Left}}},
    };
    expectRead(cases);
    const std::string huge(70000, '#');
    const Settings refused = parseSettings(huge, "f");
    ASSERT_EQ(refused.warnings.size(), 1u);
    EXPECT_EQ(refused.bindings.actionOf(key("x")), Action::Drop);
}

// The bytes of UTF-16 text, with its byte-order mark when asked.
std::string utf16(std::u16string_view text, bool bigEndian, bool marked = true) {
    std::string bytes;
    for (const char16_t unit : marked ? u"\ufeff" + std::u16string(text) : std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xff);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// What Windows' own tools save: UTF-16 from PowerShell 5.1's `>`, UTF-8 with
// a mark from Notepad before 2019. Other bytes are refused in one line.
TEST(SettingsFile, IsReadInTheEncodingsWindowsSavesIn) {
    const std::u16string text = u"left = a\r\n\U0001F47D = b\r\n";
    const std::string alien = "f line 2: no setting is called \"\U0001F47D\"";
    const std::string replaced = "f line 2: no setting is called \"\ufffd\"";
    const std::vector<std::pair<Trigger, std::optional<Action>>> mine{{key("a"), Action::Left},
                                                                      {key("Left"), std::nullopt}};
    const std::vector<std::pair<Trigger, std::optional<Action>>> defaults{
        {key("a"), std::nullopt}, {key("Left"), Action::Left}};
    expectRead({
        {"\xef\xbb\xbfleft = a\n", {}, mine},
        {utf16(text, false), {alien}, mine},
        {utf16(text, true), {alien}, mine},
        // A surrogate on its own, and a last byte on its own.
        {utf16(u"left = a\n\xdc00 = b\n", false), {replaced}, mine},
        {utf16(u"left = a\n", true) + "\x01", {"f line 2: not a setting"}, mine},
        // UTF-16 without its mark, a code page of old: the defaults.
        {utf16(u"left = a\n", false, false), {"f: not UTF-8 text"}, defaults},
        {"# \xe0 gauche\nleft = a\n", {"f: not UTF-8 text"}, defaults},
    });
    const Settings refused = parseSettings("# \xe0 gauche\n", "f");
    EXPECT_NE(refused.warnings.at(0).find("save it as UTF-8"), std::string::npos);
}

TEST(SettingsFile, TheControlsListingReadsBackAsTheSameSettings) {
    const Settings mine = parseSettings(
        "left = A pad:hat-left\ndrop = Z Left_Ctrl\npause = Space pad:button11\n"
        "pause-on-focus-loss = no\n",
        "mine.conf");
    const std::string listing = describeSettings(mine);
    EXPECT_NE(listing.find("# mine.conf line 2"), std::string::npos) << listing;
    EXPECT_NE(listing.find("# default"), std::string::npos) << listing;
    const Settings again = parseSettings(listing, "listing");
    EXPECT_TRUE(again.warnings.empty()) << again.warnings.front();
    for (int i = 0; i < ActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        EXPECT_EQ(again.bindings.triggersOf(action), mine.bindings.triggersOf(action))
            << actionName(action);
    }
    EXPECT_FALSE(again.pauseOnFocusLoss);
}

// Our names are the display library's, and it names no key we cannot.
TEST(KeyNames, AreTheDisplayLibrarysOwn) {
    display();
    int named = 0;
    for (int code = 0; code < KeyCodeCount; ++code) {
        std::string theirs = SDL_GetKeyName(static_cast<SDLKey>(code));
        // sdl12-compat's slip: its name for the semicolon. The settings file
        // names it ';' whichever library runs the game.
        if (code == ';' && theirs == ");") {
            theirs = ";";
        }
        if (theirs == "unknown key" || theirs.rfind("world ", 0) == 0) {
            EXPECT_EQ(keyName(code), "") << code;
            continue;
        }
        ++named;
        EXPECT_EQ(keyCodeOfName(theirs), code) << theirs;
        std::string ours = keyName(code);
        for (char& c : ours) {
            c = c == '_' && ours.size() > 1 ? ' ' : static_cast<char>(std::tolower(c));
        }
        EXPECT_EQ(ours, theirs) << code;
    }
    EXPECT_GT(named, 120);
}

}  // namespace
}  // namespace qz::test
