#include "dialog_keys.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace zelvar {

void bindDialogKeys(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setAutoDefault(true);

    if (defaultButton) {
        defaultButton->setDefault(true);
        for (QLineEdit* edit : window.findChildren<QLineEdit*>())
            QObject::connect(edit, &QLineEdit::returnPressed, defaultButton, &QPushButton::click);
    }
    if (cancelButton) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, cancelButton, &QPushButton::click);
    }
}

}  // namespace zelvar
