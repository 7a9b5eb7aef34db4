// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_results.h"

#include "engine/feet_and_inches.h"
#include "engine/figures.h"
#include "engine/result_order.h"
#include "runtime/locale_number.h"
#include "runtime/qt_text.h"
#include "runtime/user_languages.h"

namespace zelvar {

LengthResults::LengthResults()
    : separators_(userNumberSeparators()), form_(userNumberForm()), vocabulary_(userLanguages()) {}

std::optional<WrittenLength> LengthResults::length(std::string_view text) const {
    return readWrittenLength(text, form_, vocabulary_);
}

QStringList LengthResults::ids(std::string_view text) const {
    const std::optional<WrittenLength> found = length(text);
    if (!found)
        return {};
    QStringList ids;
    for (const LengthTarget& target : resultTargets(*found))
        ids << QString::fromStdString(writtenLengthText(*found, target));
    return ids;
}

std::optional<LengthResult> LengthResults::result(const QString& id) const {
    const std::optional<WrittenLength> found = length(id.toStdString());
    if (!found || !found->target)
        return std::nullopt;
    const QString converted = qtText(found->text);
    if (found->target->isFeetAndInches()) {
        const std::optional<std::string> shown =
            feetAndInchesText(found->unit, found->entered, FigureStyle::Window, separators_);
        if (!shown)
            return std::nullopt;
        const std::string ungrouped =
            *feetAndInchesText(found->unit, found->entered, FigureStyle::Window, {"", separators_.decimal});
        return LengthResult{id, qtText(*shown), converted, qtText(ungrouped)};
    }
    std::string figure;
    const FigureConverter converter(found->unit, {*found->target->unit}, FigureStyle::Window, separators_);
    if (!converter.append(found->entered, '\n', figure))
        return std::nullopt;
    const QString shown = QString::fromStdString(figure);
    return LengthResult{id, shown + u' ' + qtText(unitName(*found->target->unit)), converted,
                        withoutThousandsSeparators(shown, separators_)};
}

}  // namespace zelvar
