// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>

#include "engine/format_result.h"
#include "engine/number_form.h"

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

// How a locale writes numbers, for the engine's readers: its decimal
// separator, and its group separator with the look-alikes other programs
// write for it (for a locale that groups with a space or an apostrophe, the
// other spaces, ordinary, no-break and narrow no-break, or the other
// apostrophe, plain or typographic). A locale whose decimal separator is
// more than one character has no form of its own.
NumberForm numberFormOf(const QLocale& locale);

// The user's own, read afresh on each call from the system locale.
NumberForm userNumberForm();

// A number as a locale writes it (the text trimmed; see inReaderForm),
// rewritten for the number reader, which takes no group separators and only
// '.' as the decimal point. Nothing when the text is not such a number or is
// already written as the reader takes it.
std::optional<QString> numberForReader(QStringView text, const QLocale& locale);

// The ASCII characters that mark a number in the user's form: its group
// marks, and its decimal mark where that is not '.'. A text of ASCII
// characters with none of them reads the same in the reader's form, so a
// caller reading many numbers may skip the user's form for those.
QByteArray asciiNumberMarks(const NumberForm& form);

}  // namespace zelvar
