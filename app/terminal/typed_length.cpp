// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_length.h"

#include <string>

#include "command_line.h"
#include "engine/unit_words.h"
#include "runtime/locale_number.h"
#include "runtime/user_number.h"
#include "terminal_messages.h"

namespace zelvar {
namespace {

int refuse(const std::string& why) {
    complain(why);
    return kExitUsage;
}

}  // namespace

NumberForm userNumberForm() {
    return NumberForm{[reader = UserNumberReader()](std::string_view text) { return reader.read(text); },
                      userNumberSeparators().decimal};
}

std::variant<TypedLength, int> readTypedLength(const QStringList& words) {
    const bool numberAndUnit = words.size() == 2;
    if (numberAndUnit) {
        if (const std::optional<float> entered = UserNumberReader().read(words[0].toStdString())) {
            const std::optional<LengthUnit> unit = unitFromWord(words[1].toStdString());
            if (!unit)
                return refuse(unknownUnit(words[1].toStdString()));
            return TypedLength{*unit, *entered, std::nullopt, words[0]};
        }
    }
    const std::string text = words.join(QLatin1Char(' ')).toStdString();
    // What could not be typed into the entry is no length either.
    if (const std::optional<WrittenLength> length =
            fitsEntry(text) ? readWrittenLength(text, userNumberForm()) : std::nullopt)
        return TypedLength{length->unit, length->entered, length->target, std::nullopt};
    if (!numberAndUnit)
        return refuse(notALength(text));
    // Refused as NUMBER UNIT always were: the unit first.
    if (!unitFromWord(words[1].toStdString()))
        return refuse(unknownUnit(words[1].toStdString()));
    return refuse(notANumber(words[0].toStdString()));
}

}  // namespace zelvar
