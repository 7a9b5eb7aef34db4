#pragma once

#include <QObject>
#include <exception>
#include <utility>

namespace zelvar {

// Reports an exception that escaped an event handler as a run-time error,
// then ends the program.
void reportUnhandledAndEnd(std::exception_ptr exception);

// Runs one event handler; what escapes it is reported and ends the program
// right there, before it could unwind through Qt's event delivery (which is
// not written to be unwound through).
template <class Handler>
void runHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportUnhandledAndEnd(std::current_exception());
    }
}

// Binds a form's event to its handler, guarded as above.
template <class Sender, class Signal, class Form>
QMetaObject::Connection bindHandler(Sender* sender, Signal signal, Form* form, void (Form::*handler)()) {
    return QObject::connect(sender, signal, form, [form, handler] { runHandler([&] { (form->*handler)(); }); });
}

}  // namespace zelvar
