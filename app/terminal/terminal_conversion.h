// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace zelvar {

// What --convert was asked: the number as typed ("-" for a number on each
// line of standard input), its unit, the units to show (--to; none: all
// fourteen) and whether the figures are plain.
struct TerminalConversion {
    QString number;
    QString unit;
    QStringList targets;
    bool plain = false;
};

// Converts in the terminal and returns the exit status (ExitStatus).
int convertInTerminal(const TerminalConversion& request);

}  // namespace zelvar
