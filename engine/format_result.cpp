#include <algorithm>
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

// Splits std::to_chars scientific output ("-d.ddde+XX") into digits and exponent.
DecimalDigits parseScientific(const char* p, const char* end) {
    DecimalDigits out;
    out.negative = *p == '-';
    p += out.negative;
    out.digits[out.count++] = *p++;
    if (*p == '.') {
        for (++p; *p != 'e' && out.count < static_cast<int>(out.digits.size()); ++p)
            out.digits[out.count++] = *p;
    }
    ++p;  // 'e'
    const bool negativeExponent = *p++ == '-';
    int exponent = 0;
    for (; p != end; ++p)
        exponent = exponent * 10 + (*p - '0');
    out.exponent = negativeExponent ? -exponent : exponent;
    return out;
}

// Keeps the first `keep` digits (keep >= 1); with roundUp, adds one unit in
// the last kept place, carrying into a new leading digit when all were 9.
void keepDigits(DecimalDigits& number, int keep, bool roundUp) {
    number.count = keep;
    if (!roundUp)
        return;
    int i = keep - 1;
    while (i >= 0 && number.digits[i] == '9')
        number.digits[i--] = '0';
    if (i >= 0) {
        ++number.digits[i];
    } else {  // 99.999995 -> 100.00000
        number.digits[0] = '1';
        ++number.exponent;
    }
}

// The exact binary value rounded to nearest, ties to even, at the given
// number of significant digits.
//
// The shortest decimal that reads back as the value (at most 17 digits) is
// much cheaper to get than a rounding of the exact binary expansion, and it
// rounds the same way: no rounding boundary with one digit more than the
// result can lie between the value and its shortest form, or the shortest
// form would be that boundary. Only when the shortest form is such a boundary
// itself (one digit more, ending in 5) is the exact expansion consulted.
DecimalDigits significantDigits(double value, int significant) {
    std::array<char, 40> text;
    auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific).ptr;
    DecimalDigits number = parseScientific(text.data(), end);
    if (number.count <= significant)
        return number;

    if (number.count == significant + 1 && number.digits[significant] == '5') {
        end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific,
                            significant - 1).ptr;
        return parseScientific(text.data(), end);
    }

    keepDigits(number, significant, number.digits[significant] >= '5');
    return number;
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
    keepDigits(number, keep, number.digits[keep] >= '5');
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

    // Only a value that shows a non-zero digit keeps its minus sign.
    const int shownIntegerDigits = integerDigits - integerStart;
    const bool minus = number.negative && (shownIntegerDigits > 0 || fractionDigits > 0);
    const int groups = shownIntegerDigits > 0 ? (shownIntegerDigits - 1) / 3 : 0;
    std::string text(minus + shownIntegerDigits + groups * separators.thousands.size() +
                         separators.decimal.size() + fractionDigits,
                     '\0');

    char* out = text.data();
    if (minus)
        *out++ = '-';
    for (int i = integerStart; i < integerDigits; ++i) {
        if (i != integerStart && (integerDigits - i) % 3 == 0)
            out = std::copy(separators.thousands.begin(), separators.thousands.end(), out);
        *out++ = number.at(i);
    }
    out = std::copy(separators.decimal.begin(), separators.decimal.end(), out);
    for (int k = 1; k <= fractionDigits; ++k)
        *out++ = number.at(number.exponent + k);
    return text;
}

}  // namespace zelvar
