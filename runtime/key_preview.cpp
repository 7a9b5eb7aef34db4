#include "key_preview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "key_ascii.h"

namespace zelvar {

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

}  // namespace zelvar
