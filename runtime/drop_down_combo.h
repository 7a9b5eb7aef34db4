#pragma once

#include <QComboBox>

namespace zelvar {

// The combo box of a form, as a class of its own so that a screen reader can
// be told what it is for: its accessible name (when set) names it, its text
// is its value. Qt's own combo box on Linux names itself by its text only,
// leaving the name it was given unread.
class DropDownCombo : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownCombo(QWidget* parent = nullptr);
};

// Teaches Qt's accessibility layer about DropDownCombo; call once, with the
// application object in place.
void installDropDownComboAccessibility();

}  // namespace zelvar
