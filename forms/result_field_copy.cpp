// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_field_copy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "runtime/locale_number.h"

namespace zelvar {

void offerCopy(QLabel& field) {
    auto* copy = new QAction(QStringLiteral("Copy"), &field);
    QObject::connect(copy, &QAction::triggered, &field, [&field] {
        if (field.text().isEmpty())
            return;  // leave the clipboard alone rather than empty it
        QGuiApplication::clipboard()->setText(withoutThousandsSeparators(field.text(), userNumberSeparators()));
    });
    field.addAction(copy);
    field.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace zelvar
