// SPDX-License-Identifier: GPL-3.0-or-later
#include "feet_and_inches.h"

#include <string_view>

namespace zelvar {
namespace {

constexpr int kInchesPerFoot = 12;

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
                                             const NumberSeparators& separators) {
    // The window's figure, ungrouped and with '.', so that its digits can be
    // taken apart: "-70.866", "39370.0788", ".5", "30." or "." for zero.
    static const NumberSeparators digitsOnly{"", "."};
    const FigureConverter converter(unit, {LengthUnit::Inches}, FigureStyle::Window, digitsOnly);
    std::string figure;
    if (!converter.append(entered, ' ', figure))
        return std::nullopt;

    const bool negative = figure.front() == '-';
    const std::size_t point = figure.find('.');
    const std::string_view wholeInches = std::string_view(figure).substr(negative, point - negative);
    const std::string_view decimals = std::string_view(figure).substr(point + 1);

    // Long division of the whole inches by twelve, digit by digit.
    std::string feet;
    int rest = 0;
    for (const char digit : wholeInches) {
        rest = rest * 10 + (digit - '0');
        if (!feet.empty() || rest >= kInchesPerFoot)
            feet += static_cast<char>('0' + rest / kInchesPerFoot);
        rest %= kInchesPerFoot;
    }
    if (feet.empty())
        feet = "0";

    const bool plain = style == FigureStyle::Plain;
    std::string text = negative ? "-" : "";
    text += plain ? feet : grouped(feet, separators.thousands);
    text += " ft " + std::to_string(rest);
    if (!decimals.empty())
        text += (plain ? std::string(".") : separators.decimal) + std::string(decimals);
    return text + " in";
}

}  // namespace zelvar
