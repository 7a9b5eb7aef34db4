// SPDX-License-Identifier: GPL-3.0-or-later
#include "written_length.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "ascii_text.h"
#include "conversion_table.h"
#include "exact_number.h"
#include "read_number.h"
#include "unit_vocabulary.h"

namespace zelvar {
namespace {

using enum LengthUnit;

// The ways to ask for feet and inches, folded, their words one space apart.
constexpr std::array<std::string_view, 5> kFeetAndInchesForms = {"ft in", "ft+in", "feet and inches", "feet inches",
                                                                 "'\""};
constexpr std::size_t kLongestFeetAndInchesForm = 15;

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
constexpr std::string_view kTwoPrimes = "\u2032\u2032";  // what folding makes of the double prime

// A bare last number: the unit it is in after the unit before it, and the
// bound it must stay below.
struct ImpliedPart {
    LengthUnit after, unit;
    std::uint32_t below;
    std::string_view whyNot;
};
constexpr std::array<ImpliedPart, 2> kImpliedParts = {{
    {Feet, Inches, 12, "a bare number after feet is inches, and must be below 12"},
    {Meters, Centimeters, 100, "a bare number after metres is centimetres, and must be below 100"},
}};

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

std::string_view trimmedSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The exact magnitude of a number in the reader's form; nothing beyond any
// double. Radix numbers are whole and read as the entry reads them.
std::optional<ExactRatio> exactMagnitude(std::string_view number) {
    if (number.front() == '&') {
        const double value = std::fabs(ReadNumber(number));
        if (!std::isfinite(value))
            return std::nullopt;
        return ExactRatio(Natural(static_cast<std::uint64_t>(value)), Natural(1));
    }
    if (number.front() == '-' || number.front() == '+')
        number.remove_prefix(1);
    const std::size_t mantissaEnd = std::min(number.find_first_of("eEdD"), number.size());
    const std::string_view mantissa = number.substr(0, mantissaEnd);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::int64_t exponent = 0;
    if (mantissaEnd < number.size()) {
        std::string_view digits = number.substr(mantissaEnd + 1);
        const bool negative = digits.front() == '-';
        if (negative || digits.front() == '+')
            digits.remove_prefix(1);
        // Past a billion, the value is far beyond either end of any double.
        constexpr std::int64_t kCap = 1'000'000'000;
        for (const char digit : digits)
            exponent = std::min(exponent * 10 + (digit - '0'), kCap);
        exponent = negative ? -exponent : exponent;
    }
    return ExactRatio::scientific(mantissa.substr(0, point), mantissa.substr(std::min(point + 1, mantissa.size())),
                                  exponent);
}

// Reads a length, part by part, left to right, writing its own text as it
// goes.
class LengthReader {
public:
    LengthReader(std::string_view text, const NumberForm& form, const UnitVocabulary& vocabulary)
        : text_(text), form_(form), vocabulary_(vocabulary) {}

    std::optional<WrittenLength> read() {
        const bool signed_ = take("-") || take(kMinusSign) || take("+");
        if (signed_ && (atEnd() || text_[pos_] == ' '))
            return std::nullopt;
        // A single number is read as the terminal reads it; the exact sum
        // is needed only from a second part on.
        ExactRatio sum;
        bool infinite = false;
        const auto add = [&](const Quantity& quantity, LengthUnit unit) {
            const std::optional<ExactRatio> magnitude = quantity.magnitude();
            infinite |= !magnitude;
            if (magnitude)
                sum = sum + magnitude->scaled(sizeInSmallestUnit(unit), 1);
        };
        std::optional<Quantity> first;
        std::optional<LengthUnit> last;
        std::size_t numbersLength = 0;  // as written in the length's text, as the entry counts it
        int parts = 0;
        do {
            if (parts > 0)
                written_ += ' ';
            const std::size_t writtenBefore = written_.size();
            std::optional<Quantity> quantity = readQuantity(parts == 0);
            if (!quantity)
                return std::nullopt;
            const std::string_view number = std::string_view(written_).substr(writtenBefore);
            numbersLength += entryLength(number);
            std::optional<LengthUnit> unit;
            if (skipSpaces()) {
                unit = readUnit();
            } else if (const ImpliedPart* implied = impliedAfter(last)) {
                const std::optional<ExactRatio> magnitude = quantity->magnitude();
                if (!magnitude || !magnitude->isBelow(implied->below)) {
                    whyNot_ = implied->whyNot;
                    return std::nullopt;
                }
                unit = implied->unit;
            }
            if (!unit || (last && !follows(*unit, *last)))
                return std::nullopt;
            if (parts == 1)
                add(*first, *last);
            if (parts >= 1)
                add(*quantity, *unit);
            else
                first = std::move(quantity);
            parts_.push_back({std::string(number), *unit});
            (written_ += ' ') += unitName(*unit);
            last = unit;
            ++parts;
        } while (skipSpaces());
        // Each number could have been typed into the entry, and the length's
        // own text, which reads back, stays within kLongestLengthText.
        if (numbersLength > std::size_t(kLongestEntry)) {
            whyNot_ = "its numbers are longer than the entry holds";
            return std::nullopt;
        }

        const bool oneNumber = parts == 1 && first->number;
        double value = first->value;  // as the terminal reads a number
        if (!oneNumber) {
            if (parts == 1)
                add(*first, *last);
            value = infinite ? std::numeric_limits<double>::infinity()
                             : sum.scaled(1, sizeInSmallestUnit(*last)).nearestDouble();
            value = first->negative ? -value : value;
        }
        const auto entered = static_cast<float>(value);
        std::string entry = oneNumber ? *std::move(first->number) : entryFor(value, entered);
        return WrittenLength{std::move(written_), *last, value, entered, parts > 1, std::move(entry), std::nullopt,
                             std::move(parts_)};
    }

    std::string_view whyNot() const { return whyNot_; }

private:
    // A number, in the reader's form, or a fraction.
    struct Quantity {
        std::optional<std::string> number;
        double value;  // the number's, as the entry reads it
        bool negative;
        ExactRatio fraction;

        // Nothing beyond any double.
        std::optional<ExactRatio> magnitude() const { return number ? exactMagnitude(*number) : fraction; }
    };

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
        while (!atEnd() && isAsciiDigit(text_[pos_]))
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

    // The sign typed before the first part, which a fraction leaves to the
    // length and a number keeps.
    std::string_view typedSign() const { return text_.substr(0, signEnd_); }

    // A fraction alone is a/b or a vulgar fraction; a whole number and a
    // proper fraction is a mixed number; anything else is a number.
    std::optional<Quantity> readQuantity(bool first) {
        if (first)
            signEnd_ = pos_;
        const bool negative = first && (typedSign() == "-" || typedSign() == kMinusSign);
        const std::size_t start = pos_;
        if (const VulgarFraction* vulgar = takeVulgarFraction())
            return vulgarValue({}, *vulgar, negative);
        if (const std::string_view numerator = digits(); !numerator.empty() && takeSlash())
            return readFraction(numerator, {}, negative);
        // A number, its sign and all.
        const std::size_t from = first ? 0 : start;
        if (!first && (take("+") || take("-") || take(kMinusSign)))
            return std::nullopt;
        pos_ = from + numberPrefixLength(text_.substr(from), form_);
        if (pos_ <= start)
            return std::nullopt;
        leaveAttachedUnitWord(from);
        const std::string_view typed = text_.substr(from, pos_ - from);
        std::optional<std::string> number = readerText(typed, form_);
        // A grouped number is no numerator: "1 000/3" is neither 1000/3
        // nor 1 0/3 where digits group with spaces.
        if (!number || rest().starts_with("/") || rest().starts_with(kFractionSlash))
            return std::nullopt;
        const std::size_t afterNumber = pos_;
        if (std::optional<Quantity> mixed = readProperFraction({typed, *number}, negative))
            return mixed;
        if (pos_ != afterNumber)  // a fraction, but no proper one
            return std::nullopt;
        const double value = ReadNumber(*number);
        if (!first && std::signbit(value))
            return std::nullopt;
        written_ += typed;
        return Quantity{std::move(number), value, std::signbit(value), {}};
    }

    // A whole number before a proper fraction: as typed, and in the
    // reader's form.
    struct WholePart {
        std::string_view typed;
        std::string_view number;
    };

    // After a whole number, its proper fraction, if one follows: "3 1/2",
    // "3½", "1,000 1/2". A numerator does not start with 0. Where no
    // fraction follows, nothing is read.
    std::optional<Quantity> readProperFraction(WholePart whole, bool negative) {
        if (whole.number.starts_with("-") || whole.number.starts_with("+"))
            whole.number.remove_prefix(1);
        if (whole.number.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        const std::size_t afterWhole = pos_;
        skipSpaces();
        if (const VulgarFraction* vulgar = takeVulgarFraction())
            return vulgarValue(whole, *vulgar, negative);
        if (const std::string_view numerator = digits();
            !numerator.empty() && !numerator.starts_with("0") && takeSlash())
            return readFraction(numerator, whole, negative);
        pos_ = afterWhole;
        return std::nullopt;
    }

    // A radix number runs on into the letters after it, which may be a unit
    // word: the longest unit word that leaves a digit wins ("&H5dam").
    void leaveAttachedUnitWord(std::size_t from) {
        if (text_[from] != '&' || atEnd() || !isAsciiLetter(text_[pos_]))
            return;
        std::size_t wordEnd = pos_;
        while (wordEnd < text_.size() && isAsciiLetter(text_[wordEnd]))
            ++wordEnd;
        for (std::size_t split = from + 3; split < pos_; ++split) {
            if (vocabulary_.unit(text_.substr(split, wordEnd - split))) {
                pos_ = split;
                return;
            }
        }
    }

    // After the slash: the denominator of a/b, or of a mixed number's proper
    // fraction when there is a whole part.
    std::optional<Quantity> readFraction(std::string_view numeratorDigits, WholePart whole, bool negative) {
        const std::string_view denominatorDigits = digits();
        const Natural numerator = Natural::fromDigits(numeratorDigits);
        const Natural denominator = Natural::fromDigits(denominatorDigits);
        if (denominator.isZero() || (!whole.number.empty() && !(numerator < denominator)))
            return std::nullopt;
        writeWholePart(whole);
        ((written_ += numeratorDigits) += '/') += denominatorDigits;
        return Quantity{std::nullopt, 0, negative,
                        ExactRatio(Natural::fromDigits(whole.number) * denominator + numerator, denominator)};
    }

    Quantity vulgarValue(WholePart whole, const VulgarFraction& vulgar, bool negative) {
        writeWholePart(whole);
        ((written_ += std::to_string(vulgar.numerator)) += '/') += std::to_string(vulgar.denominator);
        const Natural denominator(vulgar.denominator);
        return Quantity{
            std::nullopt, 0, negative,
            ExactRatio(Natural::fromDigits(whole.number) * denominator + Natural(vulgar.numerator), denominator)};
    }

    // A fraction alone takes the length's sign; a whole part has it.
    void writeWholePart(WholePart whole) {
        if (!whole.typed.empty())
            (written_ += whole.typed) += ' ';
        else if (written_.empty())
            written_ += typedSign();
    }

    std::optional<LengthUnit> readUnit() {
        if (take("''") || take("\"") || take(kDoublePrime) || take(kTwoPrimes))
            return Inches;
        if (take("'") || take(kPrime))
            return Feet;
        // The longest word the vocabulary has here that ends a word.
        for (const std::size_t length : vocabulary_.wordLengths()) {
            if (length > text_.size() - pos_ || !isWordBoundary(text_, pos_ + length))
                continue;
            if (const std::optional<LengthUnit> unit = vocabulary_.unit(text_.substr(pos_, length))) {
                pos_ += length;
                return unit;
            }
        }
        return std::nullopt;
    }

    static const ImpliedPart* impliedAfter(std::optional<LengthUnit> last) {
        const auto implied = std::find_if(kImpliedParts.begin(), kImpliedParts.end(),
                                          [last](const ImpliedPart& part) { return part.after == last; });
        return implied == kImpliedParts.end() ? nullptr : &*implied;
    }

    // The unit list runs from the largest unit to the smallest in each system.
    static bool follows(LengthUnit unit, LengthUnit before) {
        return isMetric(unit) == isMetric(before) && unitIndex(unit) > unitIndex(before);
    }

    // The shortest number for the value; one beyond the single range is
    // written as a double ("4e+38"), or past every double as one (1E309),
    // so that the entry overflows as the length does.
    static std::string entryFor(double value, float entered) {
        if (std::isfinite(entered))
            return shortestEntryNumber(entered);
        if (!std::isfinite(value))
            return value < 0 ? "-1E309" : "1E309";
        std::array<char, 32> buffer;
        return std::string(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
    }

    std::string_view text_;
    const NumberForm& form_;
    const UnitVocabulary& vocabulary_;
    std::size_t pos_ = 0;
    std::size_t signEnd_ = 0;
    std::string written_;
    std::vector<WrittenPart> parts_;
    std::string_view whyNot_;
};

// Whether text holds a digit, a radix prefix (&H, &O), a full-width digit
// or a vulgar fraction: every length does, and most texts a desktop asks
// about do not, so they are turned down before anything is folded.
bool holdsNumber(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (isAsciiDigit(text[at]) || (text[at] == '&' && at + 1 < text.size() &&
                                       (asciiLower(text[at + 1]) == 'h' || asciiLower(text[at + 1]) == 'o')))
            return true;
        if (byte < 0xC2 || at + 1 == text.size())
            continue;
        const auto next = static_cast<unsigned char>(text[at + 1]);
        const auto third = at + 2 < text.size() ? static_cast<unsigned char>(text[at + 2]) : 0;
        if ((byte == 0xC2 && next >= 0xBC && next <= 0xBE) ||                    // ¼ ½ ¾
            (byte == 0xE2 && next == 0x85 && third >= 0x90 && third <= 0x9E) ||  // ⅐ to ⅞
            (byte == 0xEF && next == 0xBC && third >= 0x90 && third <= 0x99))    // ０ to ９
            return true;
    }
    return false;
}

// A text with each run of spaces made one space, and none at its ends.
std::string withSingleSpaces(std::string_view text) {
    std::string single;
    single.reserve(text.size());
    for (const char c : trimmedSpaces(text)) {
        if (c != ' ' || single.back() != ' ')
            single += c;
    }
    return single;
}

// The target a whole folded text names: a unit word, or feet and inches.
std::optional<LengthTarget> targetNamed(std::string_view text, const UnitVocabulary& vocabulary) {
    if (const std::optional<LengthUnit> unit = vocabulary.unit(text))
        return LengthTarget{unit};
    if (std::any_of(kFeetAndInchesForms.begin(), kFeetAndInchesForms.end(),
                    [text](std::string_view form) { return sameIgnoringAsciiCase(text, form); }))
        return kFeetAndInches;
    return std::nullopt;
}

// A length and its target split at the connector before the target.
struct Split {
    std::string_view length;
    std::optional<LengthTarget> target;
};

// The shortest target that ends the text, after a connector: "5 in in cm"
// is 5 inches in centimetres. Words of Japanese and Chinese need no space
// around them ("5英尺等于多少米").
Split splitAtTarget(std::string_view text, const UnitVocabulary& vocabulary) {
    const std::size_t longest =
        std::max(vocabulary.wordLengths().empty() ? 0 : vocabulary.wordLengths().front(), kLongestFeetAndInchesForm);
    for (std::size_t start = text.size(); start-- > 0 && text.size() - start <= longest;) {
        if ((static_cast<unsigned char>(text[start]) & 0xC0) == 0x80 || !isWordBoundary(text, start))
            continue;
        const std::optional<LengthTarget> target = targetNamed(text.substr(start), vocabulary);
        if (!target)
            continue;
        const std::string_view before = trimmedSpaces(text.substr(0, start));
        for (const std::size_t length : vocabulary.connectorLengths()) {
            const std::size_t at = before.size() - std::min(length, before.size());
            if (length <= before.size() && isWordBoundary(before, at) && vocabulary.isConnector(before.substr(at)))
                return {trimmedSpaces(before.substr(0, at)), target};
        }
    }
    return {text, std::nullopt};
}

// The length and its target; why a text is none, where there is more to say.
std::optional<WrittenLength> readLengthAndTarget(std::string_view text, const NumberForm& form,
                                                 const UnitVocabulary& vocabulary, std::string_view& whyNot) {
    if (text.size() > kLongestLengthText || hasControlCharacter(text) || !holdsNumber(text))
        return std::nullopt;
    const std::string folded = withSingleSpaces(foldedForMatching(text, AsciiCase::Keep));
    const Split split = splitAtTarget(folded, vocabulary);
    if (split.length.empty())
        return std::nullopt;
    LengthReader reader(split.length, form, vocabulary);
    std::optional<WrittenLength> length = reader.read();
    whyNot = reader.whyNot();
    if (!length || (split.target && !length->compound && split.target->unit == length->unit))
        return std::nullopt;
    length->target = split.target;
    return length;
}

}  // namespace

std::optional<WrittenLength> readWrittenLength(std::string_view text, const NumberForm& form,
                                               const UnitVocabulary& vocabulary) {
    std::string_view whyNot;
    return readLengthAndTarget(text, form, vocabulary, whyNot);
}

std::string_view whyNotALength(std::string_view text, const NumberForm& form, const UnitVocabulary& vocabulary) {
    std::string_view whyNot;
    return readLengthAndTarget(text, form, vocabulary, whyNot) ? std::string_view() : whyNot;
}

std::optional<LengthTarget> readLengthTarget(std::string_view text, const UnitVocabulary& vocabulary) {
    return targetNamed(withSingleSpaces(foldedForMatching(text)), vocabulary);
}

std::string targetText(const LengthTarget& target) {
    return target.unit ? std::string(unitName(*target.unit)) : "FEET AND INCHES";
}

std::string writtenLengthText(const WrittenLength& length, const LengthTarget& target) {
    return length.text + " in " + targetText(target);
}

}  // namespace zelvar
