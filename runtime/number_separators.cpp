#include "number_separators.h"

namespace zelvar {

NumberSeparators numberSeparatorsOf(const QLocale& locale) {
    return NumberSeparators{locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

NumberSeparators userNumberSeparators() {
    return numberSeparatorsOf(QLocale::system());
}

QString withoutThousandsSeparators(const QString& text, const NumberSeparators& separators) {
    QString plain = text;
    const QString thousands = QString::fromStdString(separators.thousands);
    if (!thousands.isEmpty() && thousands != QString::fromStdString(separators.decimal))
        plain.remove(thousands);
    return plain;
}

}  // namespace zelvar
