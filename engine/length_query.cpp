// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_query.h"

#include <algorithm>
#include <array>

#include "ascii_text.h"
#include "unit_words.h"

namespace zelvar {
namespace {

// "centimetres" and its like; a longer word names no unit.
constexpr std::size_t kLongestUnitWord = 11;

constexpr std::array<std::string_view, 5> kTargetWords = {"in", "to", "as", "=", ">"};

// In any case, as the unit words are.
bool isTargetWord(std::string_view word) {
    return std::any_of(kTargetWords.begin(), kTargetWords.end(),
                       [word](std::string_view target) { return sameIgnoringAsciiCase(word, target); });
}

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

// The last term of a text and what stands before it, spaces trimmed (a
// query with any other blank has been turned down).
struct Split {
    std::string_view before;
    std::string_view last;
};

Split lastTerm(std::string_view text) {
    const std::size_t space = text.rfind(' ');
    if (space == std::string_view::npos)
        return {{}, text};
    return {trimmedBlanks(text.substr(0, space)), text.substr(space + 1)};
}

std::optional<LengthUnit> unitOf(std::string_view word) {
    return word.size() <= kLongestUnitWord ? unitFromWord(word) : std::nullopt;
}

std::optional<LengthQuery> numberAndUnit(std::string_view number, LengthUnit unit, const NumberReader& readNumber) {
    if (number.empty())
        return std::nullopt;
    const std::optional<float> entered = readNumber(number);
    if (!entered)
        return std::nullopt;
    return LengthQuery{std::string(number), *entered, unit, std::nullopt};
}

// NUMBER UNIT, or NUMBERUNIT: the unit word ends the text, and the longest
// unit word that leaves a number before it wins ("5mm" is millimetres).
std::optional<LengthQuery> readQuantity(std::string_view text, const NumberReader& readNumber) {
    const Split split = lastTerm(text);
    if (!split.before.empty()) {
        const std::optional<LengthUnit> unit = unitOf(split.last);
        return unit ? numberAndUnit(split.before, *unit, readNumber) : std::nullopt;
    }
    const std::size_t longest = std::min(kLongestUnitWord, text.size() - 1);
    for (std::size_t length = longest; length > 0; --length) {
        const std::size_t start = text.size() - length;
        if (const std::optional<LengthUnit> unit = unitFromWord(text.substr(start))) {
            if (std::optional<LengthQuery> query = numberAndUnit(text.substr(0, start), *unit, readNumber))
                return query;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<LengthQuery> readLengthQuery(std::string_view text, const NumberReader& readNumber) {
    if (text.size() > kLongestLengthQuery || hasControlCharacter(text))
        return std::nullopt;
    text = trimmedBlanks(text);
    if (text.empty())
        return std::nullopt;

    // "... in UNIT": a target, unless what stands before it is no length on
    // its own ("5 in" is five inches, and "5 ft in" nothing).
    const Split last = lastTerm(text);
    const Split connector = lastTerm(last.before);
    if (!connector.before.empty() && isTargetWord(connector.last)) {
        if (const std::optional<LengthUnit> target = unitOf(last.last)) {
            std::optional<LengthQuery> query = readQuantity(connector.before, readNumber);
            if (!query || query->unit == *target)
                return std::nullopt;
            query->target = target;
            return query;
        }
    }
    return readQuantity(text, readNumber);
}

}  // namespace zelvar
