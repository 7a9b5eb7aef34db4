#include "form_application.h"

#include <exception>

#include "fonts.h"
#include "program_end.h"
#include "run_time_error.h"

namespace zelvar {
namespace {

constexpr int kExitAfterRunTimeError = 1;

void reportAndEnd(std::exception_ptr exception) {
    reportRunTimeError(runTimeErrorOf(exception));
    endProgram(kExitAfterRunTimeError);
}

}  // namespace

FormApplication::FormApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installFontSubstitutes();
    setQuitOnLastWindowClosed(true);
}

bool FormApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportAndEnd(std::current_exception());
        return false;
    }
}

int FormApplication::run(const std::function<void()>& start) {
    forgetProgramEnd();
    try {
        start();
    } catch (...) {
        reportAndEnd(std::current_exception());
    }
    // An end before the loop started would otherwise be lost: exec() starts afresh.
    if (programEnded())
        return programExitCode();
    return exec();
}

}  // namespace zelvar
