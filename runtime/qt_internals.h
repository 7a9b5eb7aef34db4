// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QLabel;
class QMessageBox;

// The only places where the program relies on how Qt builds its own widgets
// rather than on its public interface. No public call does either job; each
// returns what a test checks, so a Qt that changes them fails a test at once
// instead of quietly changing the windows.
namespace zelvar::qt_internals {

// The label that shows a message box's text (Qt names it
// "qt_msgbox_label"); null if Qt no longer has it.
QLabel* messageBoxTextLabel(QMessageBox& box);

// When editing of an editable combo box finishes (Enter, or the focus
// leaving), Qt looks the typed text up in the list and reports a match as a
// pick. Cuts that private connection; false if there was none to cut.
bool stopPickingOnEditingFinished(QComboBox& combo);

}  // namespace zelvar::qt_internals
