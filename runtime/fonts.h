// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <string_view>

class QWidget;

// The fonts the forms ask for by name, and the faces they get on this system.
namespace zelvar {

// A font as a form asks for it: by family name, point size, weight (400
// regular, 700 bold) and slant.
struct FontSpec {
    std::string_view family;
    double pointSize;
    int weight;
    bool italic;
};

// The dialog font the fixed layouts were drawn for; controls without a font
// of their own use it.
inline constexpr FontSpec kDialogFont{"MS Sans Serif", 8.25, 400, false};

// Makes the families the forms ask for by name resolve, where the system
// lacks them, to faces that fit the layouts: MS Sans Serif to a narrow sans
// (Liberation Sans Narrow), Arial to its metric twin (Liberation Sans).
// Needs the application object.
void installFontSubstitutes();

// Asks for the family by the name the form gives, or, once useInstalledFamilies
// has run, by the name of the installed face that stands in for it.
QFont makeFont(const FontSpec& wanted);

// Gives the window and each of its controls whose font names a family this
// system lacks the installed substitute's name instead, the same face Qt
// would find for it, at less cost. It reads the font database, which text
// measurement reads anyway: call it as the window is first painted, before
// text is measured.
void useInstalledFamilies(QWidget& window);

}  // namespace zelvar
