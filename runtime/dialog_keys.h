#pragma once

class QPushButton;
class QWidget;

namespace zelvar {

// Gives a window the keys of a form, which Qt grants only to dialogs: Enter
// in any of its text boxes (combo text parts included) presses the default
// button, Esc anywhere in it presses the cancel button, and Enter on a focused
// button presses that button. Either button may be null.
void bindDialogKeys(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton);

}  // namespace zelvar
