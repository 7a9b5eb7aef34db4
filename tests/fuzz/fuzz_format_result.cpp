// SPDX-License-Identifier: GPL-3.0-or-later
// Any 64-bit pattern, both precisions, several separator pairs: the text has
// the result shape, stands within rounding of the value, and never changes.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/format_result.h"
#include "engine/read_number.h"
#include "tests/support/result_shape.h"

namespace {

const zelvar::NumberSeparators kSeparators[] = {
    {",", "."},
    {".", ","},
    {"\xC2\xA0", ","},      // no-break space
    {"\xE2\x80\xAF", ","},  // narrow no-break space
    {"'", "."},
    {"\xD9\xAC", "\xD9\xAB"},  // Arabic
    {"", "."},
};

// The rendered text back as a number, separators removed.
long double readBack(const std::string& text, const zelvar::NumberSeparators& separators) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        if (!separators.thousands.empty() && text.compare(i, separators.thousands.size(), separators.thousands) == 0 &&
            text.compare(i, separators.decimal.size(), separators.decimal) != 0) {
            i += separators.thousands.size();
        } else if (text.compare(i, separators.decimal.size(), separators.decimal) == 0) {
            plain += '.';
            i += separators.decimal.size();
        } else {
            plain += text[i++];
        }
    }
    if (plain == "." || plain == "-.")
        return 0.0;
    return std::strtold(plain.c_str(), nullptr);  // wider: the rounded text may pass DBL_MAX
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const auto precision = (data[8] & 1) ? zelvar::ResultPrecision::Single : zelvar::ResultPrecision::Double;
    const auto& separators = kSeparators[(data[8] >> 1) % std::size(kSeparators)];
    if (precision == zelvar::ResultPrecision::Single && std::isfinite(value) &&
        std::fabs(value) <= 3.4028234663852886e38)
        value = static_cast<float>(value);  // a Single result is always a float

    const std::string text = zelvar::FormatResult(value, precision, separators);
    if (text != zelvar::FormatResult(value, precision, separators))
        zelvar::fuzz::fail("FormatResult not deterministic", text);
    if (!std::isfinite(value)) {
        if (!text.empty())
            zelvar::fuzz::fail("a value that is not finite rendered as", text);
        return 0;
    }
    if (!zelvar::fuzz::hasResultShape(text, separators))
        zelvar::fuzz::fail("FormatResult shape", text);

    // 7 or 15 significant digits, then five decimals: the text is that close.
    const long double shown = readBack(text, separators);
    const long double relative = precision == zelvar::ResultPrecision::Single ? 5.1e-7L : 5.1e-15L;
    const long double tolerance = std::fabs(static_cast<long double>(value)) * relative + 5.0000001e-6L;
    if (!(std::fabs(shown - value) <= tolerance))
        zelvar::fuzz::fail("FormatResult too far from its value", text);
    return 0;
}
