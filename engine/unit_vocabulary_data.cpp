// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the generated vocabulary: English, and a few words of other
// languages to read with until `make unit-words` writes this file.
#include "unit_vocabulary_data.h"

namespace zelvar {
namespace {

using enum LengthUnit;

constexpr VocabularyWord kWords[] = {
    {"en", "league", League},
    {"en", "leagues", League},
    {"en", "lea", League},
    {"en", "mile", Miles},
    {"en", "miles", Miles},
    {"en", "mi", Miles},
    {"en", "furlong", Furlong},
    {"en", "furlongs", Furlong},
    {"en", "fur", Furlong},
    {"en", "rod", Rods},
    {"en", "rods", Rods},
    {"en", "rd", Rods},
    {"en", "yard", Yards},
    {"en", "yards", Yards},
    {"en", "yd", Yards},
    {"en", "foot", Feet},
    {"en", "feet", Feet},
    {"en", "ft", Feet},
    {"en", "inch", Inches},
    {"en", "inches", Inches},
    {"en", "in", Inches},
    {"en", "kilometer", Kilometers},
    {"en", "kilometers", Kilometers},
    {"en", "kilometre", Kilometers},
    {"en", "kilometres", Kilometers},
    {"en", "km", Kilometers},
    {"en", "hectometer", Hectometers},
    {"en", "hectometers", Hectometers},
    {"en", "hectometre", Hectometers},
    {"en", "hectometres", Hectometers},
    {"en", "hm", Hectometers},
    {"en", "dekameter", Dekameters},
    {"en", "dekameters", Dekameters},
    {"en", "dekametre", Dekameters},
    {"en", "dekametres", Dekameters},
    {"en", "decameter", Dekameters},
    {"en", "decameters", Dekameters},
    {"en", "decametre", Dekameters},
    {"en", "decametres", Dekameters},
    {"en", "dam", Dekameters},
    {"en", "meter", Meters},
    {"en", "meters", Meters},
    {"en", "metre", Meters},
    {"en", "metres", Meters},
    {"en", "m", Meters},
    {"en", "decimeter", Decimeters},
    {"en", "decimeters", Decimeters},
    {"en", "decimetre", Decimeters},
    {"en", "decimetres", Decimeters},
    {"en", "dm", Decimeters},
    {"en", "centimeter", Centimeters},
    {"en", "centimeters", Centimeters},
    {"en", "centimetre", Centimeters},
    {"en", "centimetres", Centimeters},
    {"en", "cm", Centimeters},
    {"en", "millimeter", Millimeters},
    {"en", "millimeters", Millimeters},
    {"en", "millimetre", Millimeters},
    {"en", "millimetres", Millimeters},
    {"en", "mm", Millimeters},
    {"de", "Fuß", Feet},
    {"de", "Zoll", Inches},
    {"de", "Meter", Meters},
    {"de", "Metern", Meters},
    {"de", "Zentimeter", Centimeters},
    {"ja", "フィート", Feet},
    {"ja", "メートル", Meters},
    {"zh_Hans", "英尺", Feet},
    {"zh_Hans", "米", Meters},
    {"zh_Hans", "厘米", Centimeters},
    {"sv", "fot", Feet},
    {"sv", "mil", Miles},
    {"tr", "mil", Miles},
    {"tr", "inç", Inches},
    {"tr", "metre", Meters},
    {"tr", "fit", Feet},
    {"ru", "дюйма", Inches},
    {"ru", "см", Centimeters},
    {"ru", "метрах", Meters},
};
constexpr VocabularyConnector kConnectors[] = {
    {"en", "in"},
    {"en", "to"},
    {"en", "as"},
    {"en", "="},
    {"en", ">"},
    {"en", "→"},
    {"en", "->"},
    {"de", "in"},
    {"de", "nach"},
    {"ja", "は何"},
    {"zh_Hans", "等于多少"},
    {"tr", "kaç"},
    {"ru", "в"},
    {"sv", "till"},
};
constexpr VocabularyRefusal kRefusals[] = {{"sv", "mil"}};
constexpr UnitDisplayName kDisplayNames[] = {{"en", Meters, PluralCategory::Other, "meters"}};
constexpr FeetAndInchesSymbols kFeetAndInches[] = {{"en", "ft", "in"}, {"fr", "pi", "po"}};
constexpr FoldedCharacter kFolded[] = {
    {0x00A0, " "},  {0x00C4, "a"}, {0x00C7, "c"}, {0x00D6, "o"}, {0x00DC, "u"}, {0x00DF, "ss"}, {0x00E4, "a"},
    {0x00E7, "c"},  {0x00E8, "e"}, {0x00E9, "e"}, {0x00F6, "o"}, {0x00FC, "u"}, {0x0130, "i"},  {0x202F, " "},
    {0x2033, "′′"}, {0xFF10, "0"}, {0xFF11, "1"}, {0xFF12, "2"}, {0xFF13, "3"}, {0xFF14, "4"},  {0xFF15, "5"},
    {0xFF16, "6"},  {0xFF17, "7"}, {0xFF18, "8"}, {0xFF19, "9"},
};

}  // namespace

std::span<const VocabularyWord> vocabularyWords() {
    return kWords;
}
std::span<const VocabularyConnector> vocabularyConnectors() {
    return kConnectors;
}
std::span<const VocabularyRefusal> vocabularyRefusals() {
    return kRefusals;
}
std::span<const UnitDisplayName> unitDisplayNames() {
    return kDisplayNames;
}
std::span<const FeetAndInchesSymbols> feetAndInchesSymbols() {
    return kFeetAndInches;
}
std::span<const FoldedCharacter> foldedCharacters() {
    return kFolded;
}

}  // namespace zelvar
