#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace zelvar {

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

}  // namespace zelvar
