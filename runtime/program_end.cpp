#include "program_end.h"

#include <QCoreApplication>
#include <optional>

namespace zelvar {
namespace {

// Only the user-interface thread ends the program.
std::optional<int> endedWith;

}  // namespace

void endProgram(int exitCode) {
    endedWith = exitCode;
    QCoreApplication::exit(exitCode);
}

bool programEnded() { return endedWith.has_value(); }

int programExitCode() { return endedWith.value_or(0); }

void forgetProgramEnd() { endedWith.reset(); }

}  // namespace zelvar
