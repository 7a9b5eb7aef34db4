// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include <QAccessibleWidget>

namespace zelvar {

Announcer::Announcer(QWidget& parent) : QWidget(&parent) {
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setVisible(false);
}

void Announcer::say(const QString& text) {
    // Shown afresh, so that the same text twice is said twice.
    setVisible(false);
    setAccessibleName(text);
    setVisible(true);
}

namespace {

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcer::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

void installAnnouncerAccessibility() {
    QAccessible::installFactory(announcerFactory);
}

}  // namespace zelvar
