// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_number.h"

#include "qt_text.h"

namespace zelvar {
namespace {

// The characters that may group digits in a number written for the locale:
// its own group separator, and the look-alikes other programs write for it.
QString groupSeparatorsOf(const QLocale& locale, QChar decimal) {
    static const QString spaces = QStringLiteral(" \u00a0\u202f");
    static const QString apostrophes = QStringLiteral("'\u2019");
    const QString group = locale.groupSeparator();
    QString separators = group;
    if (group.size() != 1)
        separators.clear();
    else if (spaces.contains(group))
        separators = spaces;
    else if (apostrophes.contains(group))
        separators = apostrophes;
    return separators.remove(decimal);
}

}  // namespace

NumberForm numberFormOf(const QLocale& locale) {
    const QString decimalPoint = locale.decimalPoint();
    NumberForm form{"", {}};
    if (decimalPoint.size() != 1)
        return form;
    form.decimalMark = decimalPoint.toStdString();
    for (const QChar group : groupSeparatorsOf(locale, decimalPoint.front()))
        form.groupMarks.push_back(QString(group).toStdString());
    return form;
}

NumberForm userNumberForm() {
    return numberFormOf(QLocale::system());
}

std::optional<QString> numberForReader(QStringView text, const QLocale& locale) {
    const QByteArray utf8 = text.trimmed().toUtf8();
    const std::string_view typed(utf8.constData(), std::size_t(utf8.size()));
    const std::optional<std::string> number = inReaderForm(typed, numberFormOf(locale));
    if (!number || *number == typed)
        return std::nullopt;
    return qtText(*number);
}

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

QByteArray asciiNumberMarks(const NumberForm& form) {
    QByteArray ascii;
    for (const std::string& mark : form.groupMarks) {
        if (mark.size() == 1 && static_cast<unsigned char>(mark[0]) < 0x80)
            ascii += mark[0];
    }
    if (form.decimalMark.size() == 1 && form.decimalMark != ".")
        ascii += form.decimalMark[0];
    return ascii;
}

}  // namespace zelvar
