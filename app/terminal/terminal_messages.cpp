// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_messages.h"

#include <cstdio>
#include <optional>

#include "engine/unit_words.h"
#include "zelvar_project.h"

namespace zelvar {
namespace {

constexpr std::size_t kShownCharacters = 60;

// C0 controls, DEL, and the C1 controls (U+0080 to U+009F, which a terminal
// may take as escape sequences), whose UTF-8 form starts with 0xC2.
bool isControl(std::string_view character) {
    const auto first = static_cast<unsigned char>(character.front());
    if (first < 0x20 || first == 0x7f)
        return true;
    return first == 0xC2 && character.size() == 2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

// The length of the UTF-8 character that starts with this byte; a stray
// continuation byte counts as one.
std::size_t characterLength(unsigned char first) {
    if (first >= 0xF0)
        return 4;
    if (first >= 0xE0)
        return 3;
    return first >= 0xC0 ? 2 : 1;
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
        const std::string_view character = utf8.substr(at, characterLength(static_cast<unsigned char>(utf8[at])));
        shown += isControl(character) ? std::string_view("?") : character;
        at += character.size();
    }
    return shown + "'";
}

std::string unknownUnit(std::string_view word) {
    return "unknown unit " + quoted(word) + "; the units are:" + acceptedUnitWords();
}

}  // namespace zelvar
