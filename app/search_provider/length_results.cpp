// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_results.h"

#include "engine/feet_and_inches.h"
#include "engine/figures.h"
#include "engine/result_order.h"
#include "runtime/locale_number.h"
#include "runtime/qt_text.h"
#include "runtime/user_languages.h"

namespace zelvar {
namespace {

// A window figure as prose writes a number, the window's digits and
// separators kept: the window's "1,524." and ".00152" read as misprints in a
// sentence, "1,524" and "0.00152" do not.
std::string asProse(std::string figure, const std::string& decimal) {
    if (decimal.empty())
        return figure;
    const std::size_t firstDigit = figure.starts_with('-') ? 1 : 0;
    if (std::string_view(figure).substr(firstDigit).starts_with(decimal))
        figure.insert(firstDigit, 1, '0');
    if (figure.ends_with(decimal))
        figure.resize(figure.size() - decimal.size());
    return figure;
}

}  // namespace

LengthResults::LengthResults() : LengthResults(userLanguages()) {}

LengthResults::LengthResults(const std::vector<std::string>& languages)
    : separators_(userNumberSeparators()), form_(userNumberForm()), vocabulary_(languages),
      words_(languages.empty() ? "en" : languages.front()) {}

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
    if (found->target->isFeetAndInches()) {
        const auto text = [&](const NumberSeparators& separators) {
            return feetAndInchesText(found->unit, found->entered, FigureStyle::Window, separators, words_.feet(),
                                     words_.inches());
        };
        const std::optional<std::string> shown = text(separators_);
        if (!shown)
            return std::nullopt;
        return LengthResult{id, qtText(*shown), described(*found), qtText(*text({"", separators_.decimal}))};
    }
    std::string figure;
    const LengthUnit unit = *found->target->unit;
    const FigureConverter converter(found->unit, {unit}, FigureStyle::Window, separators_);
    if (!converter.append(found->entered, '\n', figure))
        return std::nullopt;
    const QString shown = qtText(asProse(std::move(figure), separators_.decimal));
    const QString ungrouped = withoutThousandsSeparators(shown, separators_);
    // The plural is the figure's as shown, its fraction digits and all.
    const std::string digits =
        QString(ungrouped).replace(qtText(separators_.decimal), QStringLiteral(".")).toStdString();
    return LengthResult{id, shown + u' ' + qtText(words_.name(unit, digits)), described(*found), ungrouped};
}

// Each part as written, with its unit's name in the plural its number takes:
// "5 Fuß 10 Zoll". A fraction ("3 1/2") is no number in the reader's form; it
// takes the plural of its value, which the part alone reads to.
QString LengthResults::described(const WrittenLength& length) const {
    QStringList parts;
    for (const WrittenPart& part : length.parts) {
        std::string_view name;
        if (const std::optional<std::string> number = readerText(part.number, form_)) {
            name = words_.name(part.unit, *number);
        } else {
            const std::optional<WrittenLength> alone =
                readWrittenLength(part.number + ' ' + std::string(unitName(part.unit)), form_, vocabulary_);
            name = words_.name(part.unit, alone ? alone->value : 0.0);
        }
        parts << qtText(part.number) + u' ' + qtText(name);
    }
    return parts.join(u' ');
}

}  // namespace zelvar
