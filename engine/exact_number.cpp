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

Natural::Natural(std::vector<std::uint32_t> limbs) : limbs_(std::move(limbs)) {
    settle();
}

std::vector<std::uint32_t> Natural::limbs() const {
    if (!isSmall())
        return limbs_;
    std::vector<std::uint32_t> limbs;
    for (std::uint64_t rest = small_; rest != 0; rest >>= 32)
        limbs.push_back(static_cast<std::uint32_t>(rest));
    return limbs;
}

void Natural::settle() {
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
    if (limbs_.size() > 2)
        return;
    small_ = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb)
        small_ = small_ << 32 | *limb;
    limbs_.clear();
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
    if (isSmall())
        return static_cast<std::size_t>(std::bit_width(small_));
    return 32 * (limbs_.size() - 1) + static_cast<std::size_t>(std::bit_width(limbs_.back()));
}

double Natural::toDouble() const {
    if (isSmall())
        return static_cast<double>(small_);
    double value = 0;
    for (auto limb = limbs_.rbegin(); limb != limbs_.rend(); ++limb)
        value = value * 4294967296.0 + *limb;
    return value;
}

bool Natural::bit(std::size_t index) const {
    if (isSmall())
        return index < 64 && (small_ >> index & 1) != 0;
    return index / 32 < limbs_.size() && (limbs_[index / 32] >> (index % 32) & 1) != 0;
}

Natural Natural::shiftedLeft(std::size_t bits) const {
    if (isZero())
        return {};
    std::vector<std::uint32_t> shifted(bits / 32, 0);
    const unsigned shift = bits % 32;
    std::uint32_t carry = 0;
    for (const std::uint32_t limb : limbs()) {
        shifted.push_back(limb << shift | carry);
        carry = shift == 0 ? 0 : limb >> (32 - shift);
    }
    shifted.push_back(carry);
    return Natural(std::move(shifted));
}

Natural Natural::shiftedRight(std::size_t bits) const {
    const std::vector<std::uint32_t> source = limbs();
    std::vector<std::uint32_t> shifted;
    const unsigned shift = bits % 32;
    for (std::size_t i = bits / 32; i < source.size(); ++i) {
        const std::uint32_t above = i + 1 < source.size() && shift != 0 ? source[i + 1] << (32 - shift) : 0;
        shifted.push_back(source[i] >> shift | above);
    }
    return Natural(std::move(shifted));
}

void Natural::multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t product = 0;
    std::uint64_t sum = 0;
    if (isSmall() && !__builtin_mul_overflow(small_, factor, &product) &&
        !__builtin_add_overflow(product, addend, &sum)) {
        small_ = sum;
        return;
    }
    limbs_ = limbs();
    small_ = 0;
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        carry += std::uint64_t{limb} * factor;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    settle();
}

Natural& Natural::operator-=(const Natural& other) {
    // Nothing in limbs_ is below a small value, so other is small too.
    if (isSmall()) {
        small_ -= other.small_;
        return *this;
    }
    const std::vector<std::uint32_t> subtrahend = other.limbs();
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        std::int64_t difference = std::int64_t{limbs_[i]} - borrow - (i < subtrahend.size() ? subtrahend[i] : 0);
        borrow = difference < 0;
        limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    settle();
    return *this;
}

Natural Natural::sumOfLimbs(const Natural& a, const Natural& b) {
    std::vector<std::uint32_t> sum = a.limbs();
    std::vector<std::uint32_t> shorter = b.limbs();
    if (sum.size() < shorter.size())
        std::swap(sum, shorter);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        carry += std::uint64_t{sum[i]} + (i < shorter.size() ? shorter[i] : 0);
        sum[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    sum.push_back(static_cast<std::uint32_t>(carry));
    return Natural(std::move(sum));
}

Natural Natural::productOfLimbs(const Natural& a, const Natural& b) {
    const std::vector<std::uint32_t> x = a.limbs();
    const std::vector<std::uint32_t> y = b.limbs();
    std::vector<std::uint32_t> product(x.size() + y.size(), 0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < y.size(); ++j) {
            carry += std::uint64_t{x[i]} * y[j] + product[i + j];
            product[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        product[i + y.size()] = static_cast<std::uint32_t>(carry);
    }
    return Natural(std::move(product));
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
    // A value in limbs_ is above every small one.
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() <=> b.limbs_.size();
    if (a.isSmall())
        return a.small_ <=> b.small_;
    return std::lexicographical_compare_three_way(a.limbs_.rbegin(), a.limbs_.rend(), b.limbs_.rbegin(),
                                                  b.limbs_.rend());
}

ExactRatio::ExactRatio(Natural numerator, Natural denominator)
    : numerator_(std::move(numerator)), denominator_(std::move(denominator)) {}

ExactRatio ExactRatio::decimal(std::string_view wholeDigits, std::string_view fractionDigits) {
    Natural denominator = Natural::powerOfTen(fractionDigits.size());
    Natural numerator = Natural::fromDigits(wholeDigits) * denominator + Natural::fromDigits(fractionDigits);
    return {std::move(numerator), std::move(denominator)};
}

std::optional<ExactRatio> ExactRatio::scientific(std::string_view wholeDigits, std::string_view fractionDigits,
                                                 std::int64_t exponent) {
    constexpr std::int64_t kHighest = 400, kLowest = -40000;
    const std::size_t firstWhole = std::min(wholeDigits.find_first_not_of('0'), wholeDigits.size());
    const std::size_t firstFraction = std::min(fractionDigits.find_first_not_of('0'), fractionDigits.size());
    if (firstWhole == wholeDigits.size() && firstFraction == fractionDigits.size())
        return ExactRatio();
    // The power of ten of the leading digit, plus one.
    const std::int64_t leading = firstWhole < wholeDigits.size()
                                     ? static_cast<std::int64_t>(wholeDigits.size() - firstWhole)
                                     : -static_cast<std::int64_t>(firstFraction);
    if (exponent > kHighest - leading)
        return std::nullopt;
    exponent = std::max(exponent, kLowest - leading);
    ExactRatio value = decimal(wholeDigits, fractionDigits);
    const Natural scale = Natural::powerOfTen(static_cast<std::size_t>(exponent < 0 ? -exponent : exponent));
    if (exponent < 0)
        value.denominator_ = value.denominator_ * scale;
    else
        value.numerator_ = value.numerator_ * scale;
    return value;
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
