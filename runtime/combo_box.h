#pragma once

#include <QString>

class QComboBox;

namespace zelvar {

// Makes a QComboBox behave as a form's drop-down combo: an editable text part
// over a list that only the program fills. Enter never adds the typed text to
// the list, nothing is completed while typing, and only a pick from the list
// (mouse or arrow keys) emits activated(), not typing an item's text.
void makeDropDownCombo(QComboBox& combo);

// Appends an item at the end of the list, leaving the text part and the
// selection as they were (Qt would make the first item of an empty list
// current).
void appendItem(QComboBox& combo, const QString& item);

// Sets the text part; one wider than the box shows from its beginning.
void setComboText(QComboBox& combo, const QString& text);

}  // namespace zelvar
