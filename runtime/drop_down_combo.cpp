#include "drop_down_combo.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace zelvar {
namespace {

// Read as a combo box named by its accessible name whose value is its text;
// its children are the list and the text part, as for Qt's own combo box.
class DropDownComboAccessible : public QAccessibleWidget {
public:
    explicit DropDownComboAccessible(DropDownCombo* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return combo()->accessibleName().isEmpty() ? combo()->currentText() : combo()->accessibleName();
        case QAccessible::Value:
            return combo()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == combo()->view())
            return 0;
        if (combo()->lineEdit() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    DropDownCombo* combo() const { return static_cast<DropDownCombo*>(object()); }
};

QAccessibleInterface* dropDownComboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DropDownCombo::staticMetaObject.className()) && object->isWidgetType())
        return new DropDownComboAccessible(static_cast<DropDownCombo*>(object));
    return nullptr;
}

}  // namespace

DropDownCombo::DropDownCombo(QWidget* parent) : QComboBox(parent) {}

void installDropDownComboAccessibility() {
    QAccessible::installFactory(dropDownComboFactory);
}

}  // namespace zelvar
