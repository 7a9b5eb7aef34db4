// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_entry.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <optional>
#include <utility>

#include "locale_number.h"
#include "qt_internals.h"

namespace zelvar {

NumberEntry::NumberEntry(const QString& text, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxLength);
    setText(text);
}

bool NumberEntry::pasteFrom(QClipboard::Mode mode) {
    if (isReadOnly())
        return false;
    QString pasted = QGuiApplication::clipboard()->text(mode);
    const qsizetype room = maxLength() - text().size() + selectedText().size();
    if (std::optional<QString> number = numberForReader(pasted, QLocale::system()))
        pasted = std::move(*number);
    else if (pasted.size() <= room)
        return false;
    insert(pasted.left(room));
    return true;
}

void NumberEntry::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        // Where Ctrl+Shift+Insert is a paste key (X11), it pastes the selection.
        const bool selection =
            event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        if (pasteFrom(selection ? QClipboard::Selection : QClipboard::Clipboard)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEntry::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();  // a middle click pastes where it was made, over no selection
        if (pasteFrom(QClipboard::Selection))
            return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberEntry::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    qt_internals::pasteThrough(*menu, *this, [this] {
        if (!pasteFrom(QClipboard::Clipboard))
            paste();
    });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace zelvar
