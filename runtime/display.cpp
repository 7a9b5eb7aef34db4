#include "display.h"

#include <QStringList>

namespace zelvar {
namespace {

constexpr std::string_view kRequestedFamilies[] = {"MS Sans Serif", "Arial"};

}  // namespace

void installFontSubstitutes() {
    // Qt only turns to a family's substitutes when the family itself is not
    // installed, so they can be registered unconditionally; asking the font
    // database first would cost a fontconfig lookup per family at start-up.
    for (std::string_view family : kRequestedFamilies)
        QFont::insertSubstitutions(qtText(family), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(qtText(wanted.family));
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(wanted.italic);
    return font;
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

}  // namespace zelvar
