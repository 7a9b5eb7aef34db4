// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QKeyEvent;
class QPushButton;
class QWidget;

// The keys and clicks of a form, as a user of the forms knows them.
namespace zelvar {

// The character code a key press carries, as a form's KeyPress event gets
// it: letters, digits, punctuation and Space as their characters, Enter 13,
// Esc 27, Backspace 8, Tab 9, Ctrl+letter 1 to 26. Keys that type nothing
// (arrows, function keys, Delete, Shift, Ctrl or Alt alone) and Alt
// combinations, which belong to menus, carry none.
std::optional<char32_t> keyAscii(const QKeyEvent& key);

// Gives a form the first look at every key press made anywhere in it,
// whichever of its controls has the focus. A press that carries a character
// code goes to keyPress and no further; other keys reach the controls as
// usual. A hidden form previews nothing. Lives as long as the form.
class KeyPreview : public QObject {
    Q_OBJECT

public:
    KeyPreview(QWidget& form, std::function<void(char32_t keyAscii)> keyPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> form_;
    std::function<void(char32_t)> keyPress_;
};

// Calls `click` when a mouse button is pressed anywhere in the visible form,
// whichever of its controls is under the pointer; the press goes no further.
// Lives as long as the form.
void onClickAnywhere(QWidget& form, std::function<void()> click);

// Gives a window the keys of a form, which Qt grants only to dialogs: Enter
// in any of its text boxes (combo text parts included) presses the default
// button, Esc anywhere in it presses the cancel button, and Enter on a focused
// button presses that button. Either button may be null.
void bindDialogKeys(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton);

}  // namespace zelvar
