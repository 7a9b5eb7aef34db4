// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <string_view>

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

QFont makeFont(const FontSpec& wanted);

}  // namespace zelvar
