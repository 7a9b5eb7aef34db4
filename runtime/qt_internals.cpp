// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_internals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QString>

namespace zelvar::qt_internals {

QLabel* messageBoxTextLabel(QMessageBox& box) {
    return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

bool stopPickingOnEditingFinished(QComboBox& combo) {
    QLineEdit* edit = combo.lineEdit();
    return edit && QObject::disconnect(edit, &QLineEdit::editingFinished, &combo, nullptr);
}

bool pasteThrough(QMenu& menu, QLineEdit& box, const std::function<void()>& paste) {
    for (QAction* item : menu.actions()) {
        // Qt 6.4 connects the item by name; later versions by member pointer.
        if (QObject::disconnect(item, SIGNAL(triggered()), &box, SLOT(paste())) ||
            QObject::disconnect(item, &QAction::triggered, &box, &QLineEdit::paste)) {
            QObject::connect(item, &QAction::triggered, &box, paste);
            return true;
        }
    }
    return false;
}

bool reportsDisplayNotOpened(const QString& message) {
    return message.startsWith(QLatin1String("could not connect to display")) ||  // xcb
           message.startsWith(QLatin1String("Failed to create wl_display"));     // wayland
}

}  // namespace zelvar::qt_internals
