#include "message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace zelvar {

void showMessage(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace zelvar
