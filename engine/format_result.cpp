#include <array>
#include <charconv>
#include <cmath>

#include "number_text.h"

namespace zelvar {
namespace {

constexpr int kFractionDigits = 5;

// A decimal number as significant digits d0 d1 d2 ... where d0 has the place
// value 10^exponent.
struct DecimalDigits {
    std::array<char, 24> digits{};
    int count = 0;
    int exponent = 0;
    bool negative = false;

    char at(int index) const { return index >= 0 && index < count ? digits[index] : '0'; }
};

// The exact binary value rounded to nearest, ties to even, at the given
// number of significant digits.
DecimalDigits significantDigits(double value, int significant) {
    std::array<char, 40> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::scientific, significant - 1).ptr;
    DecimalDigits out;
    const char* p = text.data();
    if (*p == '-') {
        out.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            out.digits[out.count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    out.exponent = exponent;
    return out;
}

// Rounds, on the decimal digits themselves, to five places after the point,
// halves away from zero.
void roundToFractionDigits(DecimalDigits& number) {
    const int keep = number.exponent + 1 + kFractionDigits;  // digits at or above 10^-5
    if (keep >= number.count)
        return;
    if (keep < 0 || (keep == 0 && number.digits[0] < '5')) {
        number.count = 0;
        return;
    }
    if (keep == 0) {  // below 10^-5, but at least half of it
        number.digits[0] = '1';
        number.count = 1;
        number.exponent = -kFractionDigits;
        return;
    }
    const bool roundUp = number.digits[keep] >= '5';
    number.count = keep;
    if (!roundUp)
        return;
    int i = keep - 1;
    while (i >= 0 && number.digits[i] == '9')
        number.digits[i--] = '0';
    if (i >= 0) {
        ++number.digits[i];
    } else {  // 99.999995 -> 100.00000: one more leading digit
        number.digits[0] = '1';
        number.count = 1;
        ++number.exponent;
    }
}

}  // namespace

std::string FormatResult(double value, ResultPrecision precision, const NumberSeparators& separators) {
    if (!std::isfinite(value))
        return {};

    DecimalDigits number = significantDigits(value, precision == ResultPrecision::Single ? 7 : 15);
    roundToFractionDigits(number);

    // Integer digits run from place 10^exponent down to 10^0; leading zeros
    // are never shown, so a zero integer part shows no digit at all.
    int integerStart = 0;
    const int integerDigits = number.exponent >= 0 ? number.exponent + 1 : 0;
    while (integerStart < integerDigits && number.at(integerStart) == '0')
        ++integerStart;

    int fractionDigits = kFractionDigits;
    while (fractionDigits > 0 && number.at(number.exponent + fractionDigits) == '0')
        --fractionDigits;

    const int shownIntegerDigits = integerDigits - integerStart;
    std::string text;
    text.reserve(1 + shownIntegerDigits + (shownIntegerDigits / 3) * separators.thousands.size() +
                 separators.decimal.size() + fractionDigits);

    // Only a value that shows a non-zero digit keeps its minus sign.
    if (number.negative && (shownIntegerDigits > 0 || fractionDigits > 0))
        text.push_back('-');
    for (int i = integerStart; i < integerDigits; ++i) {
        const int remaining = integerDigits - i;
        if (i != integerStart && remaining % 3 == 0)
            text += separators.thousands;
        text.push_back(number.at(i));
    }
    text += separators.decimal;
    for (int k = 1; k <= fractionDigits; ++k)
        text.push_back(number.at(number.exponent + k));
    return text;
}

}  // namespace zelvar
