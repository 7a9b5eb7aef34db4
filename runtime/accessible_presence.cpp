// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_presence.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace zelvar {
namespace {

constexpr char kUnseen[] = "zelvar_unseen_by_screen_reader";
constexpr char kClientArea[] = "zelvar_client_area";

bool isClientArea(const QObject* object) {
    return object && object->metaObject() == &QWidget::staticMetaObject && object->property(kClientArea).toBool();
}

// A form's client area, read as Qt reads a plain widget, less the controls
// left out.
class ClientAreaAccessible : public QAccessibleWidget {
public:
    explicit ClientAreaAccessible(QWidget* client) : QAccessibleWidget(client) {}

    int childCount() const override { return int(seenControls().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> seen = seenControls();
        return index >= 0 && index < seen.size() ? QAccessible::queryAccessibleInterface(seen[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(seenControls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> seenControls() const {
        QList<QWidget*> seen;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isWindow() && !control->property(kUnseen).toBool())
                seen.append(control);
        }
        return seen;
    }
};

QAccessibleInterface* clientAreaFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(QWidget::staticMetaObject.className()) && isClientArea(object))
        return new ClientAreaAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void markAsClientArea(QWidget& client) {
    client.setProperty(kClientArea, true);
}

void setSeenByScreenReader(QWidget& control, bool seen) {
    if (control.property(kUnseen).toBool() == !seen)
        return;
    control.setProperty(kUnseen, !seen);
    // Qt's AT-SPI bridge passes these on as the client area's children
    // changing; without them a screen reader keeps the children it has read.
    // A window not shown yet has been read by none.
    if (isClientArea(control.parent()) && control.window()->isVisible()) {
        QAccessibleEvent event(&control, seen ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&event);
    }
}

void installAccessiblePresence() {
    QAccessible::installFactory(clientAreaFactory);
}

}  // namespace zelvar
