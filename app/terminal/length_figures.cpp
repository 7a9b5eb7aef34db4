// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_figures.h"

#include <string_view>
#include <utility>

#include "engine/feet_and_inches.h"

namespace zelvar {

LengthFigures::LengthFigures(std::vector<LengthTarget> targets, FigureStyle style, NumberSeparators separators)
    : targets_(std::move(targets)), style_(style), separators_(std::move(separators)) {
    for (const LengthTarget& target : targets_) {
        if (target.unit)
            units_.push_back(*target.unit);
        else
            feetAndInches_ = true;
    }
}

const FigureConverter& LengthFigures::converterFrom(LengthUnit source) {
    std::optional<FigureConverter>& converter = converters_[unitIndex(source)];
    if (!converter)
        converter.emplace(source, units_, style_, separators_);
    return *converter;
}

bool LengthFigures::append(LengthUnit source, float entered, char separator, std::string& out) {
    if (!feetAndInches_)
        return converterFrom(source).append(entered, separator, out);
    std::string unitFigures;
    if (!units_.empty() && !converterFrom(source).append(entered, '\n', unitFigures))
        return false;
    const std::optional<std::string> feetAndInches = feetAndInchesText(source, entered, style_, separators_);
    if (!feetAndInches)
        return false;
    std::string_view rest = unitFigures;
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        if (i > 0)
            out += separator;
        if (targets_[i].isFeetAndInches()) {
            out += *feetAndInches;
            continue;
        }
        const std::size_t end = rest.find('\n');
        out += rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return true;
}

}  // namespace zelvar
