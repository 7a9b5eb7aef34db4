// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <variant>

#include "engine/written_length.h"

namespace zelvar {

// The words of --convert or --show, joined by blanks whatever the shell
// split, read as one written length in the user's number form. On a
// refusal, a line on standard error that says why, and the exit status.
std::variant<WrittenLength, int> readCommandLineLength(const QStringList& words);

}  // namespace zelvar
