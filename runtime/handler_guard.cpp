#include "handler_guard.h"

#include "program_end.h"
#include "run_time_error.h"

namespace zelvar {

namespace {
constexpr int kExitAfterRunTimeError = 1;
}

void reportUnhandledAndEnd(std::exception_ptr exception) {
    reportRunTimeError(runTimeErrorOf(exception));
    endProgram(kExitAfterRunTimeError);
}

}  // namespace zelvar
