// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zelvar {

// What --convert was asked: its words (NUMBER UNIT, or a length with maybe
// a connector and a target; or "-" and maybe a UNIT for a length on each line
// of standard input), the targets to show (--to: units or feet and inches;
// none: all fourteen units) and whether the figures are plain.
struct TerminalConversion {
    QStringList words;
    QStringList targets;
    bool plain = false;
};

// Converts in the terminal and returns the exit status (ExitStatus).
int convertInTerminal(const TerminalConversion& request);

}  // namespace zelvar
