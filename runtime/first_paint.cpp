#include "first_paint.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace zelvar {
namespace {

// Watches the widget for its Show event, by which its native window exists,
// and that native window for its first exposure.
class FirstPaintHook : public QObject {
public:
    FirstPaintHook(QWidget& window, std::function<void()> prepare)
        : QObject(&window), window_(window), prepare_(std::move(prepare)) {
        window.installEventFilter(this);
        watchNativeWindow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!prepare_)
            return false;
        if (watched == &window_ && event->type() == QEvent::Show)
            watchNativeWindow();
        else if (watched == window_.windowHandle() && event->type() == QEvent::Expose
                 && window_.windowHandle()->isExposed())
            run();
        return false;
    }

private:
    void watchNativeWindow() {
        if (QWindow* native = window_.windowHandle())
            native->installEventFilter(this);
    }

    void run() {
        const std::function<void()> prepare = std::move(prepare_);
        prepare_ = nullptr;
        deleteLater();
        prepare();
    }

    QWidget& window_;
    std::function<void()> prepare_;
};

}  // namespace

void beforeFirstPaint(QWidget& window, std::function<void()> prepare) {
    if (window.windowHandle() && window.windowHandle()->isExposed()) {
        prepare();
        return;
    }
    new FirstPaintHook(window, std::move(prepare));
}

}  // namespace zelvar
