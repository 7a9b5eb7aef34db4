// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <concepts>
#include <functional>

class QTimer;

// A form's life: its single global instance is created on first use, placed,
// shown modeless, painted, and unloaded (closed and deleted) when it is done.
namespace zelvar {

namespace detail {
void registerGlobalForm(QWidget& form);
}

// The one instance of Form, created (and so loaded: its Form_Load runs) the
// first time it is asked for, and again after it was unloaded.
template <std::derived_from<QWidget> Form> Form& globalForm() {
    static QPointer<Form> instance;
    if (!instance) {
        instance = new Form();
        detail::registerGlobalForm(*instance);
    }
    return *instance;
}

// Places a top-level window in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

// Shows a loaded form modeless and gives it the keyboard focus, as a newly
// shown window gets it; returns at once.
void showForm(QWidget& form);

// Closes the form; its timers stop first, so none fires after it is gone. A
// global form is then deleted; the program ends when no window is left open.
void unloadForm(QWidget& form);

// Deletes every global form still loaded; the end of the program calls it.
void unloadAllForms();

// A form's timer: ticks every intervalMs milliseconds, on time rather than
// early (Qt's default timers may fire up to 5% early), and is enabled from
// its creation.
QTimer* createFormTimer(QObject& form, int intervalMs);

// Runs `prepare` once, when the top-level `window` is first exposed on the
// screen: after the window system has mapped it and just before its first
// paint, so whatever `prepare` changes is in that paint. Work that only the
// painting needs (decoding pictures, measuring text with the font database)
// goes there and no longer keeps the window from reaching the screen. What is
// asked for runs in the order it was asked for; at once when the window is
// already exposed.
void beforeFirstPaint(QWidget& window, std::function<void()> prepare);

}  // namespace zelvar
