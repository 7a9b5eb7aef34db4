// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_words.h"

#include <array>
#include <cstddef>

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

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The table's words are in lower case.
bool sameWord(std::string_view typed, std::string_view word) {
    if (typed.size() != word.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (lower(typed[i]) != word[i])
            return false;
    }
    return true;
}

}  // namespace

std::span<const UnitWord> unitWords() {
    return kWords;
}

std::optional<LengthUnit> unitFromWord(std::string_view word) {
    for (const UnitWord& entry : kWords) {
        if (sameWord(word, entry.word))
            return entry.unit;
    }
    return std::nullopt;
}

}  // namespace zelvar
