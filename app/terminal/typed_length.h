// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "engine/written_length.h"

namespace zelvar {

// A length typed on the command line, as the entry and the unit list would
// hold it.
struct TypedLength {
    LengthUnit unit;  // the unit named, or a compound's smallest
    float entered;
    std::optional<LengthTarget> target;  // after a connector ("180 cm to ft+in")
    std::optional<QString> number;       // NUMBER UNIT: the number as typed
};

// How the user writes numbers, for the written-length reader.
NumberForm userNumberForm();

// The words of --convert or --show, joined by blanks. NUMBER UNIT reads as it
// always has, with its messages; anything else reads as a written length. On
// a refusal, a line on standard error and the exit status.
std::variant<TypedLength, int> readTypedLength(const QStringList& words);

}  // namespace zelvar
