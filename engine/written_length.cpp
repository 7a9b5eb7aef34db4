// SPDX-License-Identifier: GPL-3.0-or-later
#include "written_length.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "ascii_text.h"
#include "exact_number.h"
#include "read_number.h"
#include "unit_words.h"

namespace zelvar {
namespace {

using enum LengthUnit;

// "centimetres" and its like; a longer word names no unit.
constexpr std::size_t kLongestUnitWord = 11;

constexpr std::array<std::string_view, 5> kConnectors = {"in", "to", "as", "=", ">"};

// The ways to ask for feet and inches, word by word.
struct TargetForm {
    std::array<std::string_view, 3> words;
    std::size_t count;
};
constexpr std::array<TargetForm, 5> kFeetAndInchesForms = {{
    {{"ft", "in"}, 2},
    {{"ft+in"}, 1},
    {{"feet", "and", "inches"}, 3},
    {{"feet", "inches"}, 2},
    {{"'\""}, 1},
}};

// The smallest unit of each system is 1: inches, and millimetres.
// clang-format off
constexpr std::array<std::uint32_t, kUnitCount> kSizeInSmallestUnit = {
    190080, 63360, 7920, 198, 36, 12, 1,
    1000000, 100000, 10000, 1000, 100, 10, 1,
};
// clang-format on

// The vulgar fraction characters, as UTF-8, and their values.
struct VulgarFraction {
    std::string_view character;
    std::uint32_t numerator;
    std::uint32_t denominator;
};
// clang-format off
constexpr std::array<VulgarFraction, 18> kVulgarFractions = {{
    {"\u00bc", 1, 4}, {"\u00bd", 1, 2}, {"\u00be", 3, 4},
    {"\u2150", 1, 7}, {"\u2151", 1, 9}, {"\u2152", 1, 10}, {"\u2153", 1, 3}, {"\u2154", 2, 3},
    {"\u2155", 1, 5}, {"\u2156", 2, 5}, {"\u2157", 3, 5}, {"\u2158", 4, 5}, {"\u2159", 1, 6},
    {"\u215a", 5, 6}, {"\u215b", 1, 8}, {"\u215c", 3, 8}, {"\u215d", 5, 8}, {"\u215e", 7, 8},
}};
// clang-format on

constexpr std::string_view kMinusSign = "\u2212";
constexpr std::string_view kFractionSlash = "\u2044";
constexpr std::string_view kPrime = "\u2032";
constexpr std::string_view kDoublePrime = "\u2033";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isConnector(std::string_view word) {
    return std::any_of(kConnectors.begin(), kConnectors.end(),
                       [word](auto c) { return sameIgnoringAsciiCase(word, c); });
}

std::string_view trimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A user's decimal mark that could be taken for a digit, a sign, a slash, a
// mark for feet or inches, a unit's letter or a control would make texts
// ambiguous; then only '.' is one.
std::string_view usableDecimalMark(std::string_view mark) {
    const bool clashes = std::any_of(mark.begin(), mark.end(), [](char c) {
        return isDigit(c) || isLetter(c) || static_cast<unsigned char>(c) < 0x20 ||
               std::string_view(" '\"/-+").find(c) != std::string_view::npos;
    });
    return mark.empty() || clashes ? "." : mark;
}

bool sameSystem(LengthUnit a, LengthUnit b) {
    return (unitIndex(a) < unitIndex(Kilometers)) == (unitIndex(b) < unitIndex(Kilometers));
}

// Reads a length with marks, parts, fractions or a sign, left to right,
// writing its canonical text as it goes.
class CompoundReader {
public:
    CompoundReader(std::string_view text, std::string_view decimalMark) : text_(text), mark_(decimalMark) {}

    std::optional<WrittenLength> read() {
        const bool negative = take("-") || take(kMinusSign);
        if (negative && take(" "))
            return std::nullopt;
        if (negative)
            written_ += '-';
        // The parts in the system's unit of size 1 (inches or millimetres),
        // until the smallest unit named is known.
        ExactRatio sum;
        std::optional<LengthUnit> last;
        bool compound = false;
        do {
            if (last)
                written_ += ' ';
            const std::optional<ExactRatio> quantity = readQuantity();
            if (!quantity)
                return std::nullopt;
            const std::optional<LengthUnit> unit = skipSpaces() ? readUnit() : impliedUnit(last);
            if (!unit || (last && !follows(*unit, *last)))
                return std::nullopt;
            sum = sum + quantity->scaled(kSizeInSmallestUnit[unitIndex(*unit)], 1);
            (written_ += ' ') += unitName(*unit);
            compound = last.has_value();
            last = unit;
        } while (skipSpaces());
        const double magnitude = sum.scaled(1, kSizeInSmallestUnit[unitIndex(*last)]).nearestDouble();
        return WrittenLength{std::move(written_), *last, static_cast<float>(negative ? -magnitude : magnitude),
                             compound, std::nullopt};
    }

private:
    bool atEnd() const { return pos_ == text_.size(); }
    std::string_view rest() const { return text_.substr(pos_); }

    bool take(std::string_view what) {
        if (!rest().starts_with(what))
            return false;
        pos_ += what.size();
        return true;
    }

    // Whether anything follows the spaces.
    bool skipSpaces() {
        while (take(" ")) {
        }
        return !atEnd();
    }

    std::string_view digits() {
        const std::size_t start = pos_;
        while (!atEnd() && isDigit(text_[pos_]))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    const VulgarFraction* takeVulgarFraction() {
        if (atEnd() || static_cast<unsigned char>(text_[pos_]) < 0x80)
            return nullptr;
        for (const VulgarFraction& fraction : kVulgarFractions) {
            if (take(fraction.character))
                return &fraction;
        }
        return nullptr;
    }

    bool takeSlash() { return take("/") || take(kFractionSlash); }

    // A whole number is a decimal, or a whole number and a fraction; a
    // fraction alone is a/b or a vulgar fraction.
    std::optional<ExactRatio> readQuantity() {
        if (const VulgarFraction* vulgar = takeVulgarFraction())
            return vulgarValue({}, *vulgar);
        const std::string_view whole = digits();
        const bool hasMark = take(mark_) || take(".");
        const std::string_view fraction = hasMark ? digits() : std::string_view();
        if (whole.empty() && fraction.empty())
            return std::nullopt;
        if (hasMark) {
            ((written_ += whole) += mark_) += fraction;
            return ExactRatio::decimal(whole, fraction);
        }
        if (takeSlash())
            return readFraction(whole, {});

        const std::size_t afterWhole = pos_;
        skipSpaces();
        if (const VulgarFraction* vulgar = takeVulgarFraction())
            return vulgarValue(whole, *vulgar);
        const std::string_view numerator = digits();
        if (!numerator.empty() && takeSlash())
            return readFraction(numerator, whole);
        pos_ = afterWhole;
        written_ += whole;
        return ExactRatio::decimal(whole, {});
    }

    // After the slash: the denominator of a/b, or of a mixed number's proper
    // fraction when there is a whole part.
    std::optional<ExactRatio> readFraction(std::string_view numeratorDigits, std::string_view wholeDigits) {
        const std::string_view denominatorDigits = digits();
        const Natural numerator = Natural::fromDigits(numeratorDigits);
        const Natural denominator = Natural::fromDigits(denominatorDigits);
        if (denominator.isZero() || (!wholeDigits.empty() && !(numerator < denominator)))
            return std::nullopt;
        writeWholePart(wholeDigits);
        ((written_ += numeratorDigits) += '/') += denominatorDigits;
        return ExactRatio(Natural::fromDigits(wholeDigits) * denominator + numerator, denominator);
    }

    ExactRatio vulgarValue(std::string_view wholeDigits, const VulgarFraction& vulgar) {
        writeWholePart(wholeDigits);
        ((written_ += std::to_string(vulgar.numerator)) += '/') += std::to_string(vulgar.denominator);
        const Natural denominator(vulgar.denominator);
        return ExactRatio(Natural::fromDigits(wholeDigits) * denominator + Natural(vulgar.numerator), denominator);
    }

    void writeWholePart(std::string_view wholeDigits) {
        if (!wholeDigits.empty())
            (written_ += wholeDigits) += ' ';
    }

    std::optional<LengthUnit> readUnit() {
        if (take("''") || take("\"") || take(kDoublePrime))
            return Inches;
        if (take("'") || take(kPrime))
            return Feet;
        const std::size_t start = pos_;
        while (!atEnd() && isLetter(text_[pos_]))
            ++pos_;
        const std::string_view word = text_.substr(start, pos_ - start);
        return word.size() <= kLongestUnitWord ? unitFromWord(word) : std::nullopt;
    }

    // A bare last number after feet is inches; after metres, centimetres.
    static std::optional<LengthUnit> impliedUnit(std::optional<LengthUnit> last) {
        if (last == Feet)
            return Inches;
        if (last == Meters)
            return Centimeters;
        return std::nullopt;
    }

    // The unit list runs from the largest unit to the smallest in each system.
    static bool follows(LengthUnit unit, LengthUnit before) {
        return sameSystem(unit, before) && unitIndex(unit) > unitIndex(before);
    }

    std::string_view text_;
    std::string_view mark_;
    std::size_t pos_ = 0;
    std::string written_;
};

std::optional<WrittenLength> readLength(std::string_view text, const NumberForm& form) {
    // A simple length ends with its unit's word, so a mark or a bare number
    // at the end spares the search for a unit word inside the last term.
    const bool mayBeSimple = !text.empty() && isLetter(text.back());
    if (const std::optional<LengthQuery> simple = mayBeSimple ? readLengthQuery(text, form.readNumber) : std::nullopt;
        simple && !simple->target)
        return WrittenLength{simple->number + ' ' + std::string(unitName(simple->unit)), simple->unit, simple->entered,
                             false, std::nullopt};
    return CompoundReader(text, usableDecimalMark(form.decimalMark)).read();
}

// The last words of a text trimmed of spaces, last first: enough for a
// connector and the longest target.
struct Ending {
    std::array<std::string_view, 4> words;
    std::size_t count = 0;
};

Ending endingOf(std::string_view text) {
    Ending ending;
    while (!text.empty() && ending.count < ending.words.size()) {
        const std::size_t space = text.rfind(' ');
        const std::size_t start = space == std::string_view::npos ? 0 : space + 1;
        ending.words[ending.count++] = text.substr(start);
        text = trimmedSpaces(text.substr(0, start));
    }
    return ending;
}

// The target made of the text's last `count` words, if they make one.
std::optional<LengthTarget> targetOf(const Ending& ending, std::size_t count) {
    if (count == 1 && ending.words[0].size() <= kLongestUnitWord) {
        if (const std::optional<LengthUnit> unit = unitFromWord(ending.words[0]))
            return LengthTarget{unit};
    }
    for (const TargetForm& form : kFeetAndInchesForms) {
        bool same = form.count == count;
        for (std::size_t i = 0; same && i < count; ++i)
            same = sameIgnoringAsciiCase(ending.words[count - 1 - i], form.words[i]);
        if (same)
            return kFeetAndInches;
    }
    return std::nullopt;
}

}  // namespace

std::optional<WrittenLength> readWrittenLength(std::string_view text, const NumberForm& form) {
    // No control character makes part of a length or a target, so none
    // needs looking for.
    if (text.size() > kLongestLengthQuery)
        return std::nullopt;
    text = trimmedSpaces(text);
    const Ending ending = endingOf(text);
    for (std::size_t count = 1; count < ending.count; ++count) {
        if (!isConnector(ending.words[count]))
            continue;
        const std::optional<LengthTarget> target = targetOf(ending, count);
        if (!target)
            continue;
        const std::size_t connectorStart = ending.words[count].data() - text.data();
        std::optional<WrittenLength> length = readLength(trimmedSpaces(text.substr(0, connectorStart)), form);
        if (!length || (!length->compound && target->unit == length->unit))
            return std::nullopt;
        length->target = target;
        return length;
    }
    if (text.empty())
        return std::nullopt;
    return readLength(text, form);
}

std::optional<LengthTarget> readLengthTarget(std::string_view text) {
    const Ending ending = endingOf(trimmedSpaces(text));
    // An ending as long as it may be leaves words before it, which no target has.
    if (ending.count == 0 || ending.count == ending.words.size())
        return std::nullopt;
    return targetOf(ending, ending.count);
}

std::string enteredNumberText(float entered) {
    std::array<char, 64> buffer;
    // The shortest text that reads back as this float; read as a double
    // first, as the entry reads, it may narrow to a neighbour, and then the
    // double's own exact digits do.
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), entered).ptr;
    if (static_cast<float>(ReadNumber(std::string_view(buffer.data(), end - buffer.data()))) != entered)
        end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(entered)).ptr;
    return std::string(buffer.data(), end);
}

std::string targetText(const LengthTarget& target) {
    return target.unit ? std::string(unitName(*target.unit)) : "FEET AND INCHES";
}

std::string writtenLengthText(const WrittenLength& length, const LengthTarget& target) {
    return length.text + " in " + targetText(target);
}

}  // namespace zelvar
