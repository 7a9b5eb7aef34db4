// SPDX-License-Identifier: GPL-3.0-or-later
#include "feet_and_inches.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "conversion_table.h"
#include "entry_text.h"

namespace zelvar {
namespace {

std::string grouped(const std::string& digits, const std::string& thousands) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += thousands;
        text += digits[i];
    }
    return text;
}

}  // namespace

std::optional<std::string> feetAndInchesText(LengthUnit unit, float entered, FigureStyle style,
                                             const NumberSeparators& separators, std::string_view feetSymbol,
                                             std::string_view inchesSymbol) {
    // The inches to split, ungrouped and with '.', so that their digits can
    // be taken apart: "-70.866", "39370.0788", ".5", "30." or "." for zero.
    // A length held in inches splits the number the entry holds for it,
    // which has every digit typed that the entry keeps; any other splits the
    // window's INCHES figure.
    std::string figure;
    if (unit == LengthUnit::Inches) {
        if (!std::isfinite(entered))
            return std::nullopt;
        figure = shortestEntryNumber(entered, Notation::Fixed);
        if (figure.find('.') == std::string::npos)
            figure += '.';
    } else {
        static const NumberSeparators digitsOnly{"", "."};
        const FigureConverter converter(unit, {LengthUnit::Inches}, FigureStyle::Window, digitsOnly);
        if (!converter.append(entered, ' ', figure))
            return std::nullopt;
    }

    const bool negative = figure.front() == '-';
    const std::size_t point = figure.find('.');
    const std::string_view wholeInches = std::string_view(figure).substr(negative, point - negative);
    const std::string_view decimals = std::string_view(figure).substr(point + 1);

    // Long division of the whole inches by the inches in a foot, digit by digit.
    const std::uint32_t inchesPerFoot = sizeInSmallestUnit(LengthUnit::Feet);
    std::string feet;
    std::uint32_t rest = 0;
    for (const char digit : wholeInches) {
        rest = rest * 10 + static_cast<std::uint32_t>(digit - '0');
        if (!feet.empty() || rest >= inchesPerFoot)
            feet += static_cast<char>('0' + rest / inchesPerFoot);
        rest %= inchesPerFoot;
    }
    if (feet.empty())
        feet = "0";

    const bool plain = style == FigureStyle::Plain;
    const bool zero = feet == "0" && rest == 0 && decimals.find_first_not_of('0') == std::string_view::npos;
    std::string text = negative && !zero ? "-" : "";
    text += plain ? feet : grouped(feet, separators.thousands);
    text.append(" ").append(feetSymbol).append(" ").append(std::to_string(rest));
    if (!decimals.empty())
        text += (plain ? std::string(".") : separators.decimal) + std::string(decimals);
    return text.append(" ").append(inchesSymbol);
}

}  // namespace zelvar
