// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

#include "engine/format_result.h"
#include "engine/length_query.h"
#include "runtime/user_number.h"

namespace zelvar {

// One conversion a desktop's search shows: "1.524 METERS", from "5 FEET".
struct LengthResult {
    QString id;
    QString figure;         // as the window shows it, with the user's separators
    QString unitName;       // as the window lists the unit
    QString converted;      // what was converted: "5 FEET"
    QString clipboardText;  // the figure as the window's Copy gives it
};

// What the search provider answers, whichever desktop asks. A result's id is
// the canonical text of its query ("5 FEET in METERS"), so an id from an
// earlier run of the provider reads the same; nothing is kept between calls.
// Numbers are read and figures written in the user's locale, taken once at
// the start.
class LengthResults {
public:
    LengthResults();
    // The number reader refers to the object itself.
    LengthResults(const LengthResults&) = delete;
    LengthResults& operator=(const LengthResults&) = delete;

    // A query as the desktop's search box holds it.
    std::optional<LengthQuery> query(std::string_view text) const;

    // The ids of a query's results, the most useful first; none when the
    // query is no length, or when CONVERT would overflow; result() gives
    // each of them.
    QStringList ids(std::string_view text) const;

    // Nothing for an id this provider did not give.
    std::optional<LengthResult> result(const QString& id) const;

private:
    UserNumberReader reader_;
    NumberSeparators separators_;
    NumberReader readNumber_;
};

}  // namespace zelvar
