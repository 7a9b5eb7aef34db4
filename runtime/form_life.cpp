// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_life.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace zelvar {
namespace {

// Only the user-interface thread creates and unloads forms.
std::vector<QPointer<QWidget>> globalForms;

void forgetUnloaded() {
    std::erase_if(globalForms, [](const QPointer<QWidget>& form) { return form.isNull(); });
}

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
        else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
                 window_.windowHandle()->isExposed())
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

namespace detail {

void registerGlobalForm(QWidget& form) {
    form.setAttribute(Qt::WA_DeleteOnClose);
    forgetUnloaded();
    globalForms.emplace_back(&form);
}

}  // namespace detail

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    window.setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->availableGeometry()));
}

void showForm(QWidget& form) {
    form.show();
    form.raise();
    // Wayland leaves activation to the compositor and warns when asked.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        form.activateWindow();
}

void unloadForm(QWidget& form) {
    for (QTimer* timer : form.findChildren<QTimer*>())
        timer->stop();
    form.close();
}

void unloadAllForms() {
    forgetUnloaded();
    // Deleting a form may delete others it owns; take them one at a time.
    while (!globalForms.empty()) {
        QPointer<QWidget> form = globalForms.back();
        globalForms.pop_back();
        delete form.data();
    }
}

QTimer* createFormTimer(QObject& form, int intervalMs) {
    auto* timer = new QTimer(&form);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    timer->start();
    return timer;
}

void beforeFirstPaint(QWidget& window, std::function<void()> prepare) {
    if (window.windowHandle() && window.windowHandle()->isExposed()) {
        prepare();
        return;
    }
    new FirstPaintHook(window, std::move(prepare));
}

}  // namespace zelvar
