// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_words.h"

#include <algorithm>

#include "ascii_text.h"

namespace zelvar {
namespace {

using enum LengthUnit;

// clang-format off
constexpr UnitWord kWords[] = {
    {"league", League},           {"leagues", League},         {"lea", League},
    {"mile", Miles},              {"miles", Miles},            {"mi", Miles},
    {"furlong", Furlong},         {"furlongs", Furlong},       {"fur", Furlong},
    {"rod", Rods},                {"rods", Rods},              {"rd", Rods},
    {"yard", Yards},              {"yards", Yards},            {"yd", Yards},
    {"foot", Feet},               {"feet", Feet},              {"ft", Feet},
    {"inch", Inches},             {"inches", Inches},          {"in", Inches},
    {"kilometer", Kilometers},    {"kilometers", Kilometers},  {"kilometre", Kilometers},
    {"kilometres", Kilometers},   {"km", Kilometers},
    {"hectometer", Hectometers},  {"hectometers", Hectometers}, {"hectometre", Hectometers},
    {"hectometres", Hectometers}, {"hm", Hectometers},
    {"dekameter", Dekameters},    {"dekameters", Dekameters},  {"dekametre", Dekameters},
    {"dekametres", Dekameters},   {"decameter", Dekameters},   {"decameters", Dekameters},
    {"decametre", Dekameters},    {"decametres", Dekameters},  {"dam", Dekameters},
    {"meter", Meters},            {"meters", Meters},          {"metre", Meters},
    {"metres", Meters},           {"m", Meters},
    {"decimeter", Decimeters},    {"decimeters", Decimeters},  {"decimetre", Decimeters},
    {"decimetres", Decimeters},   {"dm", Decimeters},
    {"centimeter", Centimeters},  {"centimeters", Centimeters}, {"centimetre", Centimeters},
    {"centimetres", Centimeters}, {"cm", Centimeters},
    {"millimeter", Millimeters},  {"millimeters", Millimeters}, {"millimetre", Millimeters},
    {"millimetres", Millimeters}, {"mm", Millimeters},
};
// clang-format on

constexpr std::size_t kLongestWord = [] {
    std::size_t longest = 0;
    for (const UnitWord& entry : kWords)
        longest = std::max(longest, entry.word.size());
    return longest;
}();

}  // namespace

std::span<const UnitWord> unitWords() {
    return kWords;
}

std::optional<LengthUnit> unitFromWord(std::string_view word) {
    if (word.size() > kLongestWord)
        return std::nullopt;
    for (const UnitWord& entry : kWords) {
        if (sameIgnoringAsciiCase(word, entry.word))
            return entry.unit;
    }
    return std::nullopt;
}

}  // namespace zelvar
