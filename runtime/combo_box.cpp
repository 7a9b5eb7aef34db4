#include "combo_box.h"

#include <QComboBox>
#include <QLineEdit>

namespace zelvar {

void makeDropDownCombo(QComboBox& combo) {
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.setCompleter(nullptr);
    // When editing finishes (Enter, or the focus leaving), Qt looks the typed
    // text up in the list and reports a match as a pick; typing is not picking.
    QObject::disconnect(combo.lineEdit(), &QLineEdit::editingFinished, &combo, nullptr);
}

void appendItem(QComboBox& combo, const QString& item) {
    const int selected = combo.currentIndex();
    const QString text = combo.currentText();
    combo.addItem(item);
    if (combo.currentIndex() != selected)
        combo.setCurrentIndex(selected);
    if (combo.currentText() != text)
        setComboText(combo, text);
}

void setComboText(QComboBox& combo, const QString& text) {
    combo.setEditText(text);
    // A text wider than the box shows its beginning, not its end.
    if (QLineEdit* edit = combo.lineEdit())
        edit->home(false);
}

}  // namespace zelvar
