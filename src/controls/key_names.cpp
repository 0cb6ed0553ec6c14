#include "controls/key_names.h"

#include <array>
#include <cctype>

#include "controls/bindings.h"
#include "controls/keyboard.h"

namespace qz {
namespace {

struct NamedKey {
    int code;
    const char* name;
};

// The keys whose names are not their own character. Letters, digits and
// punctuation are named by the character itself, the keypad's digits as
// "[0]".."[9]" and the function keys as "f1".."f15".
constexpr NamedKey OtherKeys[] = {
    {8, "backspace"},      {9, "tab"},          {12, "clear"},        {13, "return"},
    {19, "pause"},         {27, "escape"},      {32, "space"},        {127, "delete"},
    {266, "[.]"},          {267, "[/]"},        {268, "[*]"},         {269, "[-]"},
    {270, "[+]"},          {271, "enter"},      {272, "equals"},      {273, "up"},
    {274, "down"},         {275, "right"},      {276, "left"},        {277, "insert"},
    {278, "home"},         {279, "end"},        {280, "page up"},     {281, "page down"},
    {300, "numlock"},      {301, "caps lock"},  {302, "scroll lock"}, {303, "right shift"},
    {304, "left shift"},   {305, "right ctrl"}, {306, "left ctrl"},   {307, "right alt"},
    {308, "left alt"},     {309, "right meta"}, {310, "left meta"},   {311, "left super"},
    {312, "right super"},  {313, "alt gr"},     {314, "compose"},     {315, "help"},
    {316, "print screen"}, {317, "sys req"},    {318, "break"},       {319, "menu"},
    {320, "power"},        {321, "euro"},       {322, "undo"},
};

constexpr std::string_view Punctuation = "!\"#$&'()*+,-./:;<=>?@[\\]^_`";
constexpr int KeypadZero = 256;
constexpr int FunctionOne = 282;
constexpr int FunctionKeys = 15;

// The display library's own lower-case name.
std::string plainName(int code) {
    if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') ||
        (code > 0 && code < 128 &&
         Punctuation.find(static_cast<char>(code)) != std::string::npos)) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= KeypadZero && code < KeypadZero + 10) {
        return "[" + std::to_string(code - KeypadZero) + "]";
    }
    if (code >= FunctionOne && code < FunctionOne + FunctionKeys) {
        return "f" + std::to_string(code - FunctionOne + 1);
    }
    for (const NamedKey& key : OtherKeys) {
        if (key.code == code) {
            return key.name;
        }
    }
    return "";
}

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

std::string keyName(int code) {
    std::string name = plainName(code);
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == ' ') {
            name[i] = '_';
        } else if (i == 0 || name[i - 1] == '_') {
            name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
        }
    }
    return name;
}

std::optional<int> keyCodeOfName(std::string_view name) {
    if (name.empty() || name.size() > 16) {
        return std::nullopt;
    }
    // A name of more than one character is written with '_' for its spaces.
    std::string wanted;
    for (char c : name) {
        wanted += name.size() > 1 && c == '_' ? ' ' : lower(c);
    }
    static const std::array<std::string, KeyCodeCount> names = [] {
        std::array<std::string, KeyCodeCount> each;
        for (int code = 0; code < KeyCodeCount; ++code) {
            each[static_cast<std::size_t>(code)] = plainName(code);
        }
        return each;
    }();
    for (int code = 0; code < KeyCodeCount; ++code) {
        if (names[static_cast<std::size_t>(code)] == wanted) {
            return code;
        }
    }
    return std::nullopt;
}

}  // namespace qz
