// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

#include "engine/format_result.h"

// Numbers as the user's locale writes them: the separators results are
// rendered with, and numbers read back from text in the locale's form.
namespace zelvar {

// The decimal point and thousands separator of a locale, as the result
// renderer takes them.
NumberSeparators numberSeparatorsOf(const QLocale& locale);

// The user's own, read afresh on each call from the system locale
// (LC_ALL, LC_NUMERIC, LANG).
NumberSeparators userNumberSeparators();

// A rendered result with its thousands separators taken out, ready to paste
// into a spreadsheet; the decimal separator stays as it is.
QString withoutThousandsSeparators(const QString& text, const NumberSeparators& separators);

// A number as a locale writes it, rewritten for the number reader, which
// takes no group separators and only '.' as the decimal point.
//
// The text, trimmed, must be all number: an optional sign ('+', '-' or the
// minus sign U+2212), digits either ungrouped or grouped in threes by the
// locale's group separator, optionally the locale's decimal separator with
// digits after it (or none; and no digit before it is fine too), and
// optionally an exponent: E or e, an optional sign, digits. At least one digit. For a
// locale that groups with a space or an apostrophe, the other spaces
// (ordinary, no-break, narrow no-break) or the other apostrophe (plain,
// typographic) group as well: other programs write either.
//
// Returns the same digits with the group separators taken out, '.' for the
// decimal separator and '-' for U+2212; nothing when the text is not such a
// number or is already written as the reader takes it.
std::optional<QString> numberForReader(QStringView text, const QLocale& locale);

// The ASCII characters that numberForReader takes as the locale's marks: its
// group separators, and its decimal separator where that is not '.'. A text
// of ASCII characters with none of them is one it leaves as it is, so a
// caller reading many numbers may skip it for those.
QByteArray asciiNumberMarks(const QLocale& locale);

}  // namespace zelvar
