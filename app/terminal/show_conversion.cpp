// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_conversion.h"

#include "command_line.h"
#include "command_line_length.h"
#include "runtime/qt_text.h"
#include "terminal_messages.h"

namespace zelvar {

std::variant<ShownConversion, int> checkShownConversion(const QStringList& words) {
    std::variant<WrittenLength, int> read = readCommandLineLength(words);
    if (const int* status = std::get_if<int>(&read))
        return *status;
    const WrittenLength& length = std::get<WrittenLength>(read);
    if (length.target && length.target->isFeetAndInches()) {
        complain("the window has no answer in feet and inches; --convert gives it");
        return kExitUsage;
    }
    return ShownConversion{qtText(length.entry), length.unit};
}

}  // namespace zelvar
