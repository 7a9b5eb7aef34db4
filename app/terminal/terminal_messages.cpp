// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_messages.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>

#include "engine/entry_text.h"
#include "engine/unit_words.h"
#include "engine/utf8_text.h"
#include "zelvar_project.h"

namespace zelvar {
namespace {

constexpr std::size_t kShownCharacters = 60;

// The format characters that reorder or break a line as a terminal shows
// it: the bidirectional embeddings, overrides, isolates and marks, and the
// line and paragraph separators.
// clang-format off
constexpr std::string_view kLineFormatCharacters[] = {
    "\u200e", "\u200f", "\u061c", "\u2028", "\u2029",
    "\u202a", "\u202b", "\u202c", "\u202d", "\u202e",
    "\u2066", "\u2067", "\u2068", "\u2069",
};
// clang-format on

// C0 controls, DEL, the C1 controls (U+0080 to U+009F, which a terminal may
// take as escape sequences), whose UTF-8 form starts with 0xC2, and the
// line's format characters.
bool isControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character.front());
    if (first < 0x20 || first == 0x7f)
        return true;
    if (first == 0xC2)
        return static_cast<unsigned char>(character[1]) < 0xA0;
    return std::find(std::begin(kLineFormatCharacters), std::end(kLineFormatCharacters), character) !=
           std::end(kLineFormatCharacters);
}

std::string acceptedUnitWords() {
    std::string list;
    std::optional<LengthUnit> previous;
    for (const UnitWord& entry : unitWords()) {
        list += entry.unit == previous ? ", " : "\n  ";
        list += entry.word;
        previous = entry.unit;
    }
    return list;
}

}  // namespace

std::string programName() {
    return zelvarProject().executableName.toStdString();
}

void complain(std::string_view text) {
    const std::string line = programName() + ": " + std::string(text) + "\n";
    std::fputs(line.c_str(), stderr);
}

std::string quoted(std::string_view utf8) {
    std::string shown = "'";
    std::size_t characters = 0;
    for (std::size_t at = 0; at < utf8.size(); ++characters) {
        if (characters == kShownCharacters)
            return shown + "...'";
        const std::size_t length = utf8CharacterLength(utf8.substr(at));
        if (length == 0) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(utf8[at]));
            shown += escaped;
            ++at;
            continue;
        }
        const std::string_view character = utf8.substr(at, length);
        shown += isControl(character) ? std::string_view("?") : character;
        at += length;
    }
    return shown + "'";
}

std::string notANumber(std::string_view utf8) {
    return fitsEntry(utf8) ? "not a number: " + quoted(utf8) : longerThanEntry();
}

std::string longerThanEntry() {
    return "not a number: longer than " + std::to_string(kLongestEntry) + " characters";
}

std::string notALength(std::string_view utf8, std::string_view why) {
    return "not a length: " + quoted(utf8) + (why.empty() ? "" : "; " + std::string(why));
}

std::string unknownUnit(std::string_view word) {
    return "unknown unit " + quoted(word) + "; the units are:" + acceptedUnitWords();
}

}  // namespace zelvar
