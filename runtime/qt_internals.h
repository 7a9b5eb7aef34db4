// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QComboBox;
class QString;
class QLabel;
class QLineEdit;
class QMenu;
class QMessageBox;

// The only places where the program relies on how Qt builds its own widgets,
// or on the wording of its messages, rather than on its public interface. No
// public call does any of their jobs; each returns what a test checks, so a
// Qt that changes them fails a test at once instead of quietly changing what
// the user sees.
namespace zelvar::qt_internals {

// The label that shows a message box's text (Qt names it
// "qt_msgbox_label"); null if Qt no longer has it.
QLabel* messageBoxTextLabel(QMessageBox& box);

// When editing of an editable combo box finishes (Enter, or the focus
// leaving), Qt looks the typed text up in the list and reports a match as a
// pick. Cuts that private connection; false if there was none to cut.
bool stopPickingOnEditingFinished(QComboBox& combo);

// A text box's standard context menu (QLineEdit::createStandardContextMenu)
// pastes through QLineEdit::paste, which a derived box cannot replace. Makes
// the menu's Paste call paste instead; false if no item of the menu pasted.
bool pasteThrough(QMenu& menu, QLineEdit& box, const std::function<void()>& paste);

// Whether a message is a desktop platform's own report that it could not
// open its display: xcb's "could not connect to display", or Wayland's
// failure to connect to the compositor. The command-line test's rows for an
// absent X and Wayland display fail if Qt words them otherwise.
bool reportsDisplayNotOpened(const QString& message);

}  // namespace zelvar::qt_internals
