#pragma once

#include <QLocale>
#include <QString>

#include "engine/number_text.h"

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

}  // namespace zelvar
