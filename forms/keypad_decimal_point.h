// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace zelvar {

// Makes the keypad's decimal key type '.' into the box whatever the keyboard
// layout gives it (',' on a German keypad), since numbers are read with '.'
// alone. Other keys, the main keyboard's ',' included, type as usual.
void typeDotFromKeypad(QLineEdit& box);

}  // namespace zelvar
