// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QStringList>

#include "qt_text.h"

namespace zelvar {

void installFontSubstitutes() {
    // The layouts were drawn for MS Sans Serif, a bitmap sans narrower than
    // Arial, at 8.25 and 9.75 points, and for Arial on the splash. Liberation
    // Sans has Arial's metrics, not MS Sans Serif's: with it "Enter Number
    // ---->" ran 4.5 px under the entry beside it, the unit list's prompt
    // overflowed its 74 px text area by 6.9 px and "HECTOMETERS" was elided
    // in the open list (84 px in 79). Measured in the Fusion style at scale
    // factors 1, 1.25, 1.5 and 2, Liberation Sans Narrow at the sizes asked
    // for fits every label, button, caption, list entry and the prompt with
    // at least 7.6 px to spare (5 px with full hinting), and its longest list
    // entry needs a 91 px list, within the box's own 101. Nimbus Sans Narrow
    // has the same metrics. Without either the wide faces are a last resort.
    // Arial keeps its metric twin: the splash labels fit their own text.
    //
    // Qt only turns to a family's substitutes when the family itself is not
    // installed, so they can be registered unconditionally; asking the font
    // database first would cost a fontconfig lookup per family at start-up.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(qtText(wanted.family));
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(wanted.italic);
    return font;
}

}  // namespace zelvar
