// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "user_number.h"

namespace zelvar {

// A form's text box for a number. It holds at most kMaxLength characters and
// refuses the rest of a longer text, as a text box with a maximum length
// does: however long a paste, the box lays out, and tells a screen reader
// about, no more than that.
//
// A number pasted in the user's own form (numberForReader with the system
// locale), by keys (Ctrl+V, Shift+Insert), the context menu's Paste or a
// middle click, goes in as the number reader takes it, so a result copied
// from a comma-decimal window reads back as it was shown. Any other paste,
// and anything typed or set, goes in exactly as it is.
class NumberEntry : public QLineEdit {
    Q_OBJECT

public:
    // The longest text a single-line text box has always held.
    static constexpr int kMaxLength = kLongestEntry;

    explicit NumberEntry(const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Pastes the clipboard's (or the selection's) text itself where Qt's own
    // paste would not do: a number in the user's form goes in rewritten for
    // the reader, and a text longer than the room left is cut to that room
    // first (Qt would hand a screen reader all of it). False, having done
    // nothing, for a text Qt pastes as it should.
    bool pasteFrom(QClipboard::Mode mode);
};

}  // namespace zelvar
