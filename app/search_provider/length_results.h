// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

#include "engine/format_result.h"
#include "engine/written_length.h"

namespace zelvar {

// One conversion a desktop's search shows: "1.524 METERS" from "5 FEET", or
// "5 ft 10.866 in" from "180 CENTIMETERS".
struct LengthResult {
    QString id;
    QString name;           // the figure and its unit, as the window shows them
    QString converted;      // what was converted: "5 FEET", "5 FEET 10 INCHES"
    QString clipboardText;  // the figure as the window's Copy gives it: ungrouped
};

// What the search provider answers, whichever desktop asks: any length as
// people write it (readWrittenLength), whose numbers the entry could hold. A
// result's id is the canonical text of the length and its target ("5 FEET
// 10 INCHES in METERS"), so an id from an earlier run of the provider reads
// the same; nothing is kept between calls. Numbers are read and figures
// written in the user's locale, taken once at the start.
class LengthResults {
public:
    LengthResults();

    // A length as the desktop's search box holds it, or as an id has it.
    std::optional<WrittenLength> length(std::string_view text) const;

    // The ids of a length's results, the most useful first; none when the
    // text is no length, or when CONVERT would overflow; result() gives
    // each of them.
    QStringList ids(std::string_view text) const;

    // Nothing for an id this provider did not give.
    std::optional<LengthResult> result(const QString& id) const;

private:
    NumberSeparators separators_;
    NumberForm form_;
    UnitVocabulary vocabulary_;
};

}  // namespace zelvar
