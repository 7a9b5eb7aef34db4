// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_internals.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace zelvar::qt_internals {

QLabel* messageBoxTextLabel(QMessageBox& box) {
    return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

bool stopPickingOnEditingFinished(QComboBox& combo) {
    QLineEdit* edit = combo.lineEdit();
    return edit && QObject::disconnect(edit, &QLineEdit::editingFinished, &combo, nullptr);
}

}  // namespace zelvar::qt_internals
