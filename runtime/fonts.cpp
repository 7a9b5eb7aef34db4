// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "qt_text.h"

namespace zelvar {
namespace {

// The families installed, once the font database has been read.
std::optional<QStringList> installedFamilies;

// The family itself where it is installed, else its first installed
// substitute: the face Qt would pick. Asked for by that name, Qt need not
// first look for the missing family and, not finding it, have fontconfig
// sort every installed font into a list of fallbacks (for each family, and
// again for each substitute it then loads: four sorts on the splash, 10 M
// instructions before its first paint).
QString installedFamily(const QString& wanted) {
    // Qt keeps the substitutes in lower case; the database has the names
    // as the fonts spell them.
    const auto installed = [](const QString& family) {
        const QStringList& families = *installedFamilies;
        const auto found = std::find_if(families.begin(), families.end(), [&](const QString& name) {
            return name.compare(family, Qt::CaseInsensitive) == 0;
        });
        return found != families.end() ? *found : QString();
    };
    if (const QString name = installed(wanted); !name.isEmpty())
        return name;
    for (const QString& substitute : QFont::substitutes(wanted)) {
        if (const QString name = installed(substitute); !name.isEmpty())
            return name;
    }
    return wanted;
}

}  // namespace

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
    // database first would read it before the first window is mapped.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont makeFont(const FontSpec& wanted) {
    const QString family = qtText(wanted.family);
    QFont font(installedFamilies ? installedFamily(family) : family);
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(wanted.italic);
    return font;
}

void useInstalledFamilies(QWidget& window) {
    if (!installedFamilies)
        installedFamilies = QFontDatabase::families();
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        // A font the widget inherits follows its parent's.
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        const QString family = installedFamily(font.family());
        if (family != font.family()) {
            font.setFamily(family);
            widget->setFont(font);
        }
    }
}

}  // namespace zelvar
