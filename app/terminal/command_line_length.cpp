// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line_length.h"

#include <string>

#include "command_line.h"
#include "runtime/locale_number.h"
#include "runtime/user_languages.h"
#include "terminal_messages.h"

namespace zelvar {
namespace {

int refuse(const std::string& why) {
    complain(why);
    return kExitUsage;
}

}  // namespace

std::variant<WrittenLength, int> readCommandLineLength(const QStringList& words) {
    const NumberForm form = userNumberForm();
    const std::string text = words.join(QLatin1Char(' ')).toStdString();
    const UnitVocabulary& vocabulary = userVocabulary();
    if (std::optional<WrittenLength> length = readWrittenLength(text, form, vocabulary))
        return *std::move(length);
    // A number too long for the entry is no number, as it always was.
    if (words.size() == 2 && !fitsEntry(words[0].toStdString()))
        return refuse(notANumber(words[0].toStdString()));
    if (const std::string_view why = whyNotALength(text, form, vocabulary); !why.empty())
        return refuse(notALength(text, why));
    if (words.size() != 2)
        return refuse(notALength(text));
    // NUMBER UNIT is refused as it always was: the unit first.
    if (!vocabulary.unit(foldedForMatching(words[1].toStdString())))
        return refuse(unknownUnit(words[1].toStdString()));
    return refuse(notANumber(words[0].toStdString()));
}

}  // namespace zelvar
