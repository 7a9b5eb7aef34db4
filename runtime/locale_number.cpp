// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_number.h"

namespace zelvar {
namespace {

constexpr QChar kMinusSign = u'\u2212';

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c) {
    return c == u'+' || c == u'-' || c == kMinusSign;
}

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

// Whether text is, whole, a number as numberForReader describes it; if so,
// rewrite tells whether it differs from the reader's form.
bool isLocaleNumber(QStringView text, QStringView groups, QChar decimal, bool& rewrite) {
    const qsizetype end = text.size();
    qsizetype at = 0;
    auto digitsFrom = [&](qsizetype from) {
        qsizetype past = from;
        while (past < end && isDigit(text[past]))
            ++past;
        return past - from;
    };
    auto skipSign = [&] {
        if (at < end && isSign(text[at]))
            rewrite |= text[at++] == kMinusSign;
    };

    skipSign();
    const qsizetype leading = digitsFrom(at);
    qsizetype digits = leading;
    if (leading > 0 && at + leading < end && groups.contains(text[at + leading])) {
        // Grouped: one to three digits, no leading zero, then groups of three.
        if (leading > 3 || text[at] == u'0')
            return false;
        at += leading;
        while (at < end && groups.contains(text[at])) {
            if (digitsFrom(at + 1) != 3)
                return false;
            at += 4;
            digits += 3;
        }
        rewrite = true;
    } else {
        at += leading;
    }
    if (at < end && text[at] == decimal) {
        rewrite |= decimal != u'.';
        const qsizetype fraction = digitsFrom(++at);
        at += fraction;
        digits += fraction;
    }
    if (digits == 0)
        return false;
    if (at < end && (text[at] == u'E' || text[at] == u'e')) {
        ++at;
        skipSign();
        const qsizetype exponent = digitsFrom(at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == end;
}

}  // namespace

std::optional<QString> numberForReader(QStringView text, const QLocale& locale) {
    const QString decimalPoint = locale.decimalPoint();
    if (decimalPoint.size() != 1)
        return std::nullopt;
    const QChar decimal = decimalPoint.front();
    const QString groups = groupSeparatorsOf(locale, decimal);
    text = text.trimmed();
    bool rewrite = false;
    if (!isLocaleNumber(text, groups, decimal, rewrite) || !rewrite)
        return std::nullopt;

    QString number;
    number.reserve(text.size());
    for (QChar c : text) {
        if (c == decimal)
            number += u'.';
        else if (c == kMinusSign)
            number += u'-';
        else if (!groups.contains(c))
            number += c;
    }
    return number;
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

QByteArray asciiNumberMarks(const QLocale& locale) {
    const QString decimalPoint = locale.decimalPoint();
    QString marks;
    if (decimalPoint.size() == 1) {
        marks = groupSeparatorsOf(locale, decimalPoint.front());
        if (decimalPoint != QLatin1String("."))
            marks += decimalPoint;
    }
    QByteArray ascii;
    for (QChar c : marks) {
        if (c.unicode() < 0x80)
            ascii += char(c.unicode());
    }
    return ascii;
}

}  // namespace zelvar
