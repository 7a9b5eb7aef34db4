// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <stdexcept>
#include <utility>

class QWidget;

// What the program tells the user in a message box: messages, and run-time
// errors, including whatever escapes an event handler.
namespace zelvar {

// Shows a message with an OK button only and no icon, titled with the
// application's title, and waits until the user closes it. The whole
// application takes no other input meanwhile.
void showMessage(QWidget* parent, const QString& prompt);

// An error as the user is told of it: its number and description.
struct RunTimeError {
    int number;
    QString description;
};

inline const RunTimeError kOverflowError{6, QStringLiteral("Overflow")};
inline const RunTimeError kOutOfMemoryError{7, QStringLiteral("Out of memory")};
inline const RunTimeError kInternalError{51, QStringLiteral("Internal error")};

// Thrown to raise a run-time error that no handler catches: the application
// reports it and ends the program.
class RunTimeErrorRaised : public std::runtime_error {
public:
    explicit RunTimeErrorRaised(RunTimeError error);
    const RunTimeError& error() const { return error_; }

private:
    RunTimeError error_;
};

// The error an exception that escaped a handler stands for.
RunTimeError runTimeErrorOf(std::exception_ptr exception);

QString runTimeErrorText(const RunTimeError& error);

// Shows the error in a message box over the active window and waits for OK.
void reportRunTimeError(const RunTimeError& error);

// Reports an exception that escaped an event handler as a run-time error,
// then ends the program.
void reportUnhandledAndEnd(std::exception_ptr exception);

// Runs one event handler; what escapes it is reported and ends the program
// right there, before it could unwind through Qt's event delivery (which is
// not written to be unwound through).
template <class Handler> void runHandler(Handler&& handler) {
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
