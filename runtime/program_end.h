#pragma once

namespace zelvar {

// Ends the program at once: every event loop returns, so no further event is
// handled, and the process exits with exitCode. Call it last in a handler.
void endProgram(int exitCode = 0);

// Whether endProgram ran since FormApplication::run last started.
bool programEnded();
int programExitCode();
void forgetProgramEnd();

}  // namespace zelvar
