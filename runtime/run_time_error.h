#pragma once

#include <QString>
#include <exception>
#include <stdexcept>

class QWidget;

namespace zelvar {

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

}  // namespace zelvar
