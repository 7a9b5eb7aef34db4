// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "answer_words.h"
#include "engine/format_result.h"
#include "engine/written_length.h"

namespace zelvar {

// One conversion a desktop's search shows, in the user's language: "1.524
// meters" or "1,524 Meter" from "5 feet" or "5 Fuß", "5 ft 10.866 in" from
// "180 centimeters".
struct LengthResult {
    QString id;
    QString name;           // the window's figure, written as prose writes numbers, and its unit's name
    QString converted;      // what was converted: "5 feet 10 inches", "5 Fuß 10 Zoll"
    QString clipboardText;  // the figure as the name writes it, ungrouped for pasting: "1524", "0,00152"
};

// What the search provider answers, whichever desktop asks: any length as
// people write it (readWrittenLength), whose numbers the entry could hold. A
// result's id is the canonical text of the length and its target ("5 FEET
// 10 INCHES in METERS"), so an id from an earlier run of the provider reads
// the same; nothing is kept between calls. Numbers are read and figures
// written in the user's locale, and units named in the first of the user's
// vocabulary languages (English when there is none), all taken once at the
// start.
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
    explicit LengthResults(const std::vector<std::string>& languages);

    QString described(const WrittenLength& length) const;

    NumberSeparators separators_;
    NumberForm form_;
    UnitVocabulary vocabulary_;
    AnswerWords words_;
};

}  // namespace zelvar
