// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zelvar {

// A natural number of any size: a written length may hold as many digits as
// its text, and its value must still be exact until it is rounded once.
class Natural {
public:
    Natural() = default;
    explicit Natural(std::uint64_t value) : small_(value) {}
    // From ASCII decimal digits only; "" is zero.
    static Natural fromDigits(std::string_view digits);
    static Natural powerOfTen(std::size_t exponent);

    bool isZero() const { return limbs_.empty() && small_ == 0; }
    std::size_t bitLength() const;
    bool bit(std::size_t index) const;
    // Exact only up to 53 bits.
    double toDouble() const;

    Natural shiftedLeft(std::size_t bits) const;
    Natural shiftedRight(std::size_t bits) const;
    // *this = *this * factor + addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend);
    // Requires *this >= other.
    Natural& operator-=(const Natural& other);

    friend Natural operator+(const Natural& a, const Natural& b) {
        std::uint64_t sum = 0;
        if (a.isSmall() && b.isSmall() && !__builtin_add_overflow(a.small_, b.small_, &sum))
            return Natural(sum);
        return sumOfLimbs(a, b);
    }
    friend Natural operator*(const Natural& a, const Natural& b) {
        std::uint64_t product = 0;
        if (a.isSmall() && b.isSmall() && !__builtin_mul_overflow(a.small_, b.small_, &product))
            return Natural(product);
        return productOfLimbs(a, b);
    }
    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b);
    friend bool operator==(const Natural& a, const Natural& b) = default;

private:
    explicit Natural(std::vector<std::uint32_t> limbs);
    bool isSmall() const { return limbs_.empty(); }
    std::vector<std::uint32_t> limbs() const;
    static Natural sumOfLimbs(const Natural& a, const Natural& b);
    static Natural productOfLimbs(const Natural& a, const Natural& b);
    // Trims zero limbs, and moves a value that fits back into small_.
    void settle();

    // Most values fit in 64 bits, and those take no heap: they live in
    // small_, and limbs_ is empty. Larger ones live in limbs_ (least
    // significant first, no zero limb on top) with small_ zero, so each value
    // has one form.
    std::uint64_t small_ = 0;
    std::vector<std::uint32_t> limbs_;
};

// A non-negative fraction, kept unreduced: sums of a few parts stay small,
// and rounding needs no reduced form.
class ExactRatio {
public:
    ExactRatio() = default;  // zero
    // denominator must not be zero.
    ExactRatio(Natural numerator, Natural denominator);
    // "12" and "345" for 12.345.
    static ExactRatio decimal(std::string_view wholeDigits, std::string_view fractionDigits);
    // "12", "345" and 2 for 12.345E2. Nothing when the value lies beyond
    // 10^400, far past the double range. An exponent that puts a value
    // below 10^-40000 is raised to put it there: a sum of it and numbers of
    // fewer digits than that, at a tie between two doubles or not, rounds as
    // with the smaller value.
    static std::optional<ExactRatio> scientific(std::string_view wholeDigits, std::string_view fractionDigits,
                                                std::int64_t exponent);

    // Whether the value is below a whole number.
    bool isBelow(std::uint32_t bound) const { return numerator_ < denominator_ * Natural(bound); }
    ExactRatio scaled(std::uint32_t numerator, std::uint32_t denominator) const;
    friend ExactRatio operator+(const ExactRatio& a, const ExactRatio& b);

    // The double nearest the exact value, ties to even; infinity above the
    // double range. Below the normal double range it gives 0, which is what
    // any such double becomes when narrowed to single precision.
    double nearestDouble() const;

private:
    Natural numerator_;
    Natural denominator_{1};
};

}  // namespace zelvar
