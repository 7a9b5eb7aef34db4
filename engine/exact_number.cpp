// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_number.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <utility>

namespace zelvar {
namespace {

constexpr std::uint32_t kNineDigits = 1'000'000'000;

std::uint32_t smallPowerOfTen(std::size_t exponent) {
    std::uint32_t power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

}  // namespace

Natural::Natural(std::uint32_t value) {
    if (value != 0)
        limbs_.push_back(value);
}

Natural Natural::fromDigits(std::string_view digits) {
    Natural n;
    // Nine digits at a time: the first chunk takes what is left over.
    std::size_t chunk = digits.size() % 9 == 0 ? 9 : digits.size() % 9;
    for (std::size_t at = 0; at < digits.size(); at += chunk, chunk = 9) {
        std::uint32_t value = 0;
        for (const char c : digits.substr(at, chunk))
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
        n.multiplyAdd(smallPowerOfTen(chunk), value);
    }
    return n;
}

Natural Natural::powerOfTen(std::size_t exponent) {
    Natural n(smallPowerOfTen(exponent % 9));
    for (std::size_t i = 0; i < exponent / 9; ++i)
        n.multiplyAdd(kNineDigits, 0);
    return n;
}

std::size_t Natural::bitLength() const {
    return limbs_.empty() ? 0 : 32 * (limbs_.size() - 1) + static_cast<std::size_t>(std::bit_width(limbs_.back()));
}

double Natural::toDouble() const {
    double value = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb)
        value = value * 4294967296.0 + *limb;
    return value;
}

bool Natural::bit(std::size_t index) const {
    return index / 32 < limbs_.size() && (limbs_[index / 32] >> (index % 32) & 1) != 0;
}

Natural Natural::shiftedLeft(std::size_t bits) const {
    if (isZero())
        return {};
    Natural n;
    n.limbs_.assign(bits / 32, 0);
    const unsigned shift = bits % 32;
    std::uint32_t carry = 0;
    for (const std::uint32_t limb : limbs_) {
        n.limbs_.push_back(limb << shift | carry);
        carry = shift == 0 ? 0 : limb >> (32 - shift);
    }
    n.limbs_.push_back(carry);
    n.trim();
    return n;
}

Natural Natural::shiftedRight(std::size_t bits) const {
    Natural n;
    const std::size_t skipped = bits / 32;
    const unsigned shift = bits % 32;
    for (std::size_t i = skipped; i < limbs_.size(); ++i) {
        const std::uint32_t above = i + 1 < limbs_.size() && shift != 0 ? limbs_[i + 1] << (32 - shift) : 0;
        n.limbs_.push_back(limbs_[i] >> shift | above);
    }
    n.trim();
    return n;
}

void Natural::multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        carry += std::uint64_t{limb} * factor;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

Natural& Natural::operator-=(const Natural& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference = std::int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
        borrow = difference < 0;
        limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    trim();
    return *this;
}

Natural operator+(const Natural& a, const Natural& b) {
    const Natural& longer = a.limbs_.size() >= b.limbs_.size() ? a : b;
    const Natural& shorter = &longer == &a ? b : a;
    Natural sum = longer;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < sum.limbs_.size(); ++i) {
        carry += std::uint64_t{sum.limbs_[i]} + (i < shorter.limbs_.size() ? shorter.limbs_[i] : 0);
        sum.limbs_[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0)
        sum.limbs_.push_back(static_cast<std::uint32_t>(carry));
    return sum;
}

Natural operator*(const Natural& a, const Natural& b) {
    if (a.isZero() || b.isZero())
        return {};
    Natural product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            carry += std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j];
            product.limbs_[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.trim();
    return product;
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() <=> b.limbs_.size();
    return std::lexicographical_compare_three_way(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                                  b.limbs_.rend());
}

void Natural::trim() {
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

ExactRatio::ExactRatio(Natural numerator, Natural denominator)
    : numerator_(std::move(numerator)), denominator_(std::move(denominator)) {}

ExactRatio ExactRatio::decimal(std::string_view wholeDigits, std::string_view fractionDigits) {
    Natural numerator = Natural::fromDigits(wholeDigits) * Natural::powerOfTen(fractionDigits.size());
    return {numerator + Natural::fromDigits(fractionDigits), Natural::powerOfTen(fractionDigits.size())};
}

ExactRatio ExactRatio::scaled(std::uint32_t numerator, std::uint32_t denominator) const {
    return {numerator_ * Natural(numerator), denominator_ * Natural(denominator)};
}

ExactRatio operator+(const ExactRatio& a, const ExactRatio& b) {
    if (a.denominator_ == b.denominator_)
        return {a.numerator_ + b.numerator_, a.denominator_};
    return {a.numerator_ * b.denominator_ + b.numerator_ * a.denominator_, a.denominator_ * b.denominator_};
}

double ExactRatio::nearestDouble() const {
    if (numerator_.isZero())
        return 0;
    // Both exact as doubles: one division rounds the quotient correctly.
    if (numerator_.bitLength() <= 53 && denominator_.bitLength() <= 53)
        return numerator_.toDouble() / denominator_.toDouble();
    // The value lies in (2^(e-1), 2^(e+1)); scaled by 2^shift, its whole
    // part has 54 or 55 bits: one or two more than a double keeps.
    const long e = static_cast<long>(numerator_.bitLength()) - static_cast<long>(denominator_.bitLength());
    if (e > 1025)
        return std::numeric_limits<double>::infinity();
    if (e < -1024)
        return 0;
    const long shift = 54 - e;
    const Natural dividend = shift > 0 ? numerator_.shiftedLeft(static_cast<std::size_t>(shift)) : numerator_;
    const Natural divisor = shift < 0 ? denominator_.shiftedLeft(static_cast<std::size_t>(-shift)) : denominator_;

    // Long division, a bit at a time, over only the quotient's bits.
    const std::size_t top = dividend.bitLength() - divisor.bitLength();
    Natural remainder = dividend.shiftedRight(top);
    std::uint64_t quotient = 0;
    for (std::size_t i = top + 1; i-- > 0;) {
        if (i < top)
            remainder.multiplyAdd(2, dividend.bit(i) ? 1 : 0);
        if (remainder >= divisor) {
            remainder -= divisor;
            quotient |= std::uint64_t{1} << i;
        }
    }

    const int width = std::bit_width(quotient);
    const long exponent = width - 1 - shift;
    if (exponent > 1023)
        return std::numeric_limits<double>::infinity();
    if (exponent < -1022)
        return 0;
    const int dropped = width - 53;
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    const bool below = (quotient & (half - 1)) != 0 || !remainder.isZero();
    std::uint64_t kept = quotient >> dropped;
    if ((quotient & half) != 0 && (below || (kept & 1) != 0))
        ++kept;
    return std::ldexp(static_cast<double>(kept), static_cast<int>(dropped - shift));
}

}  // namespace zelvar
