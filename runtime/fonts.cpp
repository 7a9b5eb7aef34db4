#include "fonts.h"

#include <QStringList>

namespace zelvar {
namespace {

constexpr std::string_view kRequestedFamilies[] = {"MS Sans Serif", "Arial"};

}  // namespace

void installFontSubstitutes() {
    // Qt only turns to a family's substitutes when the family itself is not
    // installed, so they can be registered unconditionally; asking the font
    // database first would cost a fontconfig lookup per family at start-up.
    for (std::string_view family : kRequestedFamilies) {
        const QString name = QString::fromUtf8(family.data(), qsizetype(family.size()));
        QFont::insertSubstitutions(name, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    }
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(QString::fromUtf8(wanted.family.data(), qsizetype(wanted.family.size())));
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(wanted.italic);
    return font;
}

}  // namespace zelvar
