// SPDX-License-Identifier: GPL-3.0-or-later
#include "read_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "ascii_text.h"

namespace zelvar {
namespace {

constexpr int kEnd = -1;

// Walks the typed text byte by byte, passing over blanks as if they were absent.
class BlankSkippingScanner {
public:
    explicit BlankSkippingScanner(std::string_view text) : text_(text) {}

    int peek() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : kEnd;
    }
    void advance() { ++pos_; }

    struct Mark {
        std::size_t pos;
    };
    Mark mark() const { return {pos_}; }
    void reset(Mark m) { pos_ = m.pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDecimalDigit(int c) {
    return c >= '0' && c <= '9';
}

int radixDigitValue(int c, unsigned radix) {
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < static_cast<int>(radix) ? value : -1;
}

// After "&H" or "&O": up to 16 bits is a 16-bit two's-complement integer, up
// to 32 bits a 32-bit one, anything wider lies beyond the readable range.
double readRadixInteger(BlankSkippingScanner& scan, unsigned radix) {
    std::uint64_t value = 0;
    bool beyond32Bits = false;
    for (int digit; (digit = radixDigitValue(scan.peek(), radix)) >= 0; scan.advance()) {
        if (beyond32Bits)
            continue;
        value = value * radix + static_cast<unsigned>(digit);
        beyond32Bits = value > 0xFFFF'FFFFu;
    }
    if (beyond32Bits)
        return std::numeric_limits<double>::infinity();
    if (value <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The characters of a decimal number, gathered without blanks into the form
// std::from_chars takes, plus what is needed to tell overflow from underflow
// when the value lies beyond the double range.
class DecimalText {
public:
    explicit DecimalText(std::size_t capacity) {
        if (capacity > small_.size())
            large_.resize(capacity);
        data_ = capacity > small_.size() ? large_.data() : small_.data();
    }
    void push(char c) { data_[size_++] = c; }
    const char* begin() const { return data_; }
    const char* end() const { return data_ + size_; }

private:
    std::array<char, 64> small_;
    std::string large_;
    char* data_;
    std::size_t size_ = 0;
};

constexpr std::int64_t kExponentCap = 1'000'000'000;

// Up to 15 decimal digits always fit a double's 53-bit significand exactly,
// as do the powers of ten up to 10^22.
constexpr int kExactDigits = 15;
constexpr std::array<double, 23> kExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double readDecimal(BlankSkippingScanner& scan, std::size_t textSize) {
    DecimalText number(textSize + 1);
    bool negative = false;
    if (scan.peek() == '+' || scan.peek() == '-') {
        negative = scan.peek() == '-';
        scan.advance();
        if (negative)
            number.push('-');
    }

    int digitCount = 0;
    bool seenPoint = false;
    bool seenNonZero = false;
    // The digits as an integer and how many of them follow the point, while
    // the integer is exact in a double: most numbers are read from these.
    std::uint64_t digitsValue = 0;
    int fractionDigits = 0;
    // Decimal position of the leading non-zero digit (1 for "5", -2 for
    // ".005"), kept with saturation; only used when from_chars is out of range.
    std::int64_t leadingPosition = 0;
    for (int c = scan.peek(); isDecimalDigit(c) || (c == '.' && !seenPoint); c = scan.peek()) {
        scan.advance();
        number.push(static_cast<char>(c));
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        ++digitCount;
        if (digitCount <= kExactDigits) {
            digitsValue = digitsValue * 10 + static_cast<unsigned>(c - '0');
            fractionDigits += seenPoint;
        }
        if (c != '0')
            seenNonZero = true;
        if (!seenPoint && seenNonZero && leadingPosition < kExponentCap)
            ++leadingPosition;
        if (seenPoint && !seenNonZero && leadingPosition > -kExponentCap)
            --leadingPosition;
    }
    if (digitCount == 0)
        return 0.0;

    std::int64_t exponent = 0;
    if (const int c = scan.peek(); c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        const auto beforeExponent = scan.mark();
        scan.advance();
        bool negativeExponent = false;
        if (scan.peek() == '+' || scan.peek() == '-') {
            negativeExponent = scan.peek() == '-';
            scan.advance();
        }
        if (isDecimalDigit(scan.peek())) {
            number.push('e');
            if (negativeExponent)
                number.push('-');
            for (int d = scan.peek(); isDecimalDigit(d); d = scan.peek()) {
                scan.advance();
                number.push(static_cast<char>(d));
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (d - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
        } else {
            // A letter or sign with no digit after it adds nothing.
            scan.reset(beforeExponent);
        }
    }

    // With at most 15 digits and a power of ten up to 22, both are exact
    // doubles and one division or multiplication rounds correctly: the same
    // value from_chars gives, found faster.
    const std::int64_t scale = exponent - fractionDigits;
    if (digitCount <= kExactDigits && scale >= -22 && scale <= 22) {
        const double digits = static_cast<double>(digitsValue);
        const double value = scale < 0 ? digits / kExactPowersOfTen[-scale] : digits * kExactPowersOfTen[scale];
        return negative ? -value : value;
    }

    double value = 0.0;
    const auto result = std::from_chars(number.begin(), number.end(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const bool overflow = seenNonZero && leadingPosition + exponent > 0;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        if (negative)
            value = -value;
    } else if (result.ec != std::errc{}) {
        value = 0.0;
    }
    return value;
}

// Most texts are a short decimal and nothing else ("-12.5"): read at once,
// as readDecimal's exact shortcut would read them. Nothing for any other text.
std::optional<double> readShortDecimal(std::string_view text) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++at;
    std::uint64_t digits = 0;
    int count = 0, fractionDigits = 0;
    bool seenPoint = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            if (++count > kExactDigits)
                return std::nullopt;
            digits = digits * 10 + static_cast<unsigned>(c - '0');
            fractionDigits += seenPoint;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0)
        return std::nullopt;
    const double value = static_cast<double>(digits) / kExactPowersOfTen[fractionDigits];
    return negative ? -value : value;
}

}  // namespace

double ReadNumber(std::string_view text) {
    if (const std::optional<double> value = readShortDecimal(text))
        return *value;
    BlankSkippingScanner scan(text);
    if (scan.peek() == '&') {
        scan.advance();
        const int kind = scan.peek();
        if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
            scan.advance();
            return readRadixInteger(scan, kind == 'H' || kind == 'h' ? 16 : 8);
        }
        return 0.0;
    }
    return readDecimal(scan, text.size());
}

std::size_t wholeNumberPrefix(std::string_view text) {
    std::size_t at = 0;
    const auto next = [&] { return at < text.size() ? static_cast<unsigned char>(text[at]) : kEnd; };
    const auto skipRun = [&](auto isMember) {
        const std::size_t from = at;
        while (at < text.size() && isMember(next()))
            ++at;
        return at - from;
    };

    if (next() == '&') {
        ++at;
        const int kind = next() | 0x20;  // lower case
        if (kind != 'h' && kind != 'o')
            return 0;
        ++at;
        const unsigned radix = kind == 'h' ? 16 : 8;
        return skipRun([radix](int c) { return radixDigitValue(c, radix) >= 0; }) > 0 ? at : 0;
    }
    if (next() == '+' || next() == '-')
        ++at;
    std::size_t digits = skipRun(isDecimalDigit);
    if (next() == '.') {
        ++at;
        digits += skipRun(isDecimalDigit);
    }
    if (digits == 0)
        return 0;
    const std::size_t mantissa = at;
    if (const int c = next() | 0x20; c == 'e' || c == 'd') {
        ++at;
        if (next() == '+' || next() == '-')
            ++at;
        if (skipRun(isDecimalDigit) == 0)
            return mantissa;
    }
    return at;
}

bool isWholeNumber(std::string_view text) {
    text = trimmedBlanks(text);
    return !text.empty() && wholeNumberPrefix(text) == text.size();
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    // A short plain decimal is whole by its reading.
    if (const std::optional<double> value = readShortDecimal(text))
        return value;
    if (!isWholeNumber(text))
        return std::nullopt;
    return ReadNumber(text);
}

}  // namespace zelvar
