// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_input.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

namespace zelvar {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kTab = 9;
constexpr char32_t kEnter = 13;
constexpr char32_t kEscape = 27;
constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7f;

bool isControlCode(char32_t code) {
    return code < kFirstPrintable || code == kDelete;
}

// Watches the application, so a press on any control of the form is seen.
class ClickAnywhere : public QObject {
public:
    ClickAnywhere(QWidget& form, std::function<void()> click) : QObject(&form), form_(&form), click_(std::move(click)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() || !form_ || !form_->isVisible())
            return false;
        if (static_cast<QWidget*>(watched)->window() != form_)
            return false;
        click_();
        return true;
    }

private:
    QPointer<QWidget> form_;
    std::function<void()> click_;
};

}  // namespace

std::optional<char32_t> keyAscii(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (modifiers & Qt::AltModifier)
        return std::nullopt;

    switch (key.key()) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Escape: return kEscape;
    default: break;
    }

    // Some platforms report Ctrl+A as "a", others as the code itself, 1.
    if ((modifiers & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return char32_t(key.key() - Qt::Key_A + 1);

    const QList<uint> text = key.text().toUcs4();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t code = text.front();
    if (modifiers & Qt::ControlModifier)  // Ctrl+[ and the like carry a control code, or nothing
        return code < kFirstPrintable ? std::optional(code) : std::nullopt;
    if (isControlCode(code))  // Delete and other keys that type nothing
        return std::nullopt;
    return code;
}

KeyPreview::KeyPreview(QWidget& form, std::function<void(char32_t)> keyPress)
    : QObject(&form), form_(&form), keyPress_(std::move(keyPress)) {
    // Watching the application sees the press before the focused control does.
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || !form_ || !form_->isVisible())
        return false;
    if (static_cast<QWidget*>(watched)->window() != form_)
        return false;
    const std::optional<char32_t> code = keyAscii(*static_cast<QKeyEvent*>(event));
    if (!code)
        return false;
    keyPress_(*code);
    return true;
}

void onClickAnywhere(QWidget& form, std::function<void()> click) {
    new ClickAnywhere(form, std::move(click));
}

void bindDialogKeys(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        button->setAutoDefault(true);

    if (defaultButton) {
        defaultButton->setDefault(true);
        for (QLineEdit* edit : window.findChildren<QLineEdit*>())
            QObject::connect(edit, &QLineEdit::returnPressed, defaultButton, &QPushButton::click);
    }
    if (cancelButton) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, cancelButton, &QPushButton::click);
    }
}

}  // namespace zelvar
