// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_results.h"

#include "engine/figures.h"
#include "engine/result_order.h"
#include "runtime/locale_number.h"
#include "runtime/qt_text.h"

namespace zelvar {

LengthResults::LengthResults()
    : separators_(userNumberSeparators()),
      readNumber_([this](std::string_view text) -> std::optional<float> { return reader_.read(text); }) {}

std::optional<LengthQuery> LengthResults::query(std::string_view text) const {
    return readLengthQuery(text, readNumber_);
}

QStringList LengthResults::ids(std::string_view text) const {
    const std::optional<LengthQuery> found = query(text);
    if (!found)
        return {};
    QStringList ids;
    for (const LengthUnit unit : resultTargets(*found))
        ids << QString::fromStdString(lengthQueryText(*found, unit));
    return ids;
}

std::optional<LengthResult> LengthResults::result(const QString& id) const {
    const std::optional<LengthQuery> found = query(id.toStdString());
    if (!found || !found->target)
        return std::nullopt;
    std::string figure;
    const FigureConverter converter(found->unit, {*found->target}, FigureStyle::Window, separators_);
    if (!converter.append(found->entered, '\n', figure))
        return std::nullopt;
    const QString shown = QString::fromStdString(figure);
    return LengthResult{id, shown, qtText(unitName(*found->target)),
                        qtText(found->number) + u' ' + qtText(unitName(found->unit)),
                        withoutThousandsSeparators(shown, separators_)};
}

}  // namespace zelvar
