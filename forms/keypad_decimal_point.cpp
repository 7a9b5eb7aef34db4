// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad_decimal_point.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace zelvar {
namespace {

class KeypadDecimalPoint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isKeypadDecimalKey(static_cast<QKeyEvent&>(*event)))
            return false;
        static_cast<QLineEdit*>(watched)->insert(QStringLiteral("."));
        return true;
    }

private:
    // X11 reports the key as KP_Decimal (Key_Period) or KP_Separator (Key_Comma).
    static bool isKeypadDecimalKey(const QKeyEvent& key) {
        return (key.modifiers() & Qt::KeypadModifier) && (key.key() == Qt::Key_Period || key.key() == Qt::Key_Comma);
    }
};

}  // namespace

void typeDotFromKeypad(QLineEdit& box) {
    box.installEventFilter(new KeypadDecimalPoint(&box));
}

}  // namespace zelvar
