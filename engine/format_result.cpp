// SPDX-License-Identifier: GPL-3.0-or-later
#include "format_result.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

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

// Writes the `count` lowest decimal digits of n, two at a time.
void writeDigits(std::uint64_t n, int count, char* out) {
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    int i = count;
    for (; i >= 2; i -= 2, n /= 100) {
        const char* pair = kPairs + 2 * (n % 100);
        out[i - 2] = pair[0];
        out[i - 1] = pair[1];
    }
    if (i == 1)
        out[0] = static_cast<char>('0' + n % 10);
}

// Appends a separator; most are one byte.
char* putSeparator(char* out, const std::string& separator) {
    if (separator.size() == 1) {
        *out = separator[0];
        return out + 1;
    }
    return std::copy(separator.begin(), separator.end(), out);
}

__extension__ typedef unsigned __int128 Wide;

constexpr std::array<Wide, 39> kPowersOfTen = [] {
    std::array<Wide, 39> powers{};
    Wide power = 1;
    for (Wide& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// The largest value that can be multiplied by 10^p and still leave the top
// bit clear, which the doubled remainder needs.
constexpr std::array<Wide, 39> kMultiplicandLimits = [] {
    std::array<Wide, 39> limits{};
    for (std::size_t p = 0; p < limits.size(); ++p)
        limits[p] = (~Wide{0} >> 1) / kPowersOfTen[p];
    return limits;
}();

// The exact value rounded to `significant` digits, ties to even, with 128-bit
// integer arithmetic: |value| = m * 2^e2 is scaled by 10^p to
// numerator / denominator, both exact. Covers the magnitudes results usually
// have; returns false outside them.
bool roundWithIntegers(double value, int significant, DecimalDigits& out) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    if (biasedExponent == 0 || biasedExponent == 0x7FF)
        return false;  // zero, subnormal or not finite
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e2 = biasedExponent - 1075;

    // floor(log10(2^(e2 + 52))) is the decimal exponent or one less.
    int exponent10 = ((e2 + 52) * 78913) >> 18;
    for (int attempt = 0; attempt < 2; ++attempt, ++exponent10) {
        const int p = significant - 1 - exponent10;
        if (e2 > 70 || e2 < -110 || p > 22 || p < -38)
            return false;
        Wide numerator = mantissa;
        const int shift = e2 >= 0 ? 0 : -e2;
        Wide denominator = Wide{1} << shift;
        if (e2 >= 0)
            numerator <<= e2;
        if (p >= 0 && numerator > kMultiplicandLimits[p])
            return false;
        else if (p >= 0)
            numerator *= kPowersOfTen[p];
        else if (denominator > kMultiplicandLimits[-p])
            return false;
        else
            denominator *= kPowersOfTen[-p];

        // Most results need no power of ten below the line: a denominator
        // that is a power of two divides by shifting, far cheaper than a
        // 128-bit division.
        Wide quotient;
        Wide twiceRemainder;
        if (p >= 0) {
            quotient = numerator >> shift;
            twiceRemainder = (numerator & (denominator - 1)) * 2;
        } else {
            quotient = numerator / denominator;
            twiceRemainder = (numerator % denominator) * 2;
        }
        if (quotient >= kPowersOfTen[significant])
            continue;  // the exponent estimate was one too low
        if (twiceRemainder > denominator || (twiceRemainder == denominator && (quotient & 1)))
            ++quotient;
        if (quotient == kPowersOfTen[significant]) {  // 9.9999996 -> 10.00000
            quotient = kPowersOfTen[significant - 1];
            ++exponent10;
        }
        out.count = significant;
        out.exponent = exponent10;
        out.negative = std::signbit(value);
        writeDigits(static_cast<std::uint64_t>(quotient), significant, out.digits.data());
        return true;
    }
    return false;
}

// The exact binary value rounded to nearest, ties to even, at the given
// number of significant digits.
DecimalDigits significantDigits(double value, int significant) {
    DecimalDigits number;
    if (roundWithIntegers(value, significant, number))
        return number;
    std::array<char, 40> text;
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific, significant - 1)
            .ptr;
    return parseScientific(text.data(), end);
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
    std::string text(minus + shownIntegerDigits + groups * separators.thousands.size() + separators.decimal.size() +
                         fractionDigits,
                     '\0');

    char* out = text.data();
    if (minus)
        *out++ = '-';
    int untilSeparator = shownIntegerDigits % 3 == 0 ? 3 : shownIntegerDigits % 3;
    for (int i = integerStart; i < integerDigits; ++i) {
        if (untilSeparator == 0) {
            out = putSeparator(out, separators.thousands);
            untilSeparator = 3;
        }
        *out++ = number.at(i);
        --untilSeparator;
    }
    out = putSeparator(out, separators.decimal);
    for (int k = 1; k <= fractionDigits; ++k)
        *out++ = number.at(number.exponent + k);
    return text;
}

std::string PlainResult(double value, ResultPrecision precision) {
    static const NumberSeparators ungrouped{"", "."};
    std::string text = FormatResult(value, precision, ungrouped);
    if (text.empty())
        return text;
    const std::size_t firstDigit = text.front() == '-' ? 1 : 0;
    if (text[firstDigit] == '.')
        text.insert(firstDigit, 1, '0');
    if (text.back() == '.')
        text.pop_back();
    return text;
}

}  // namespace zelvar
