// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "display_check.h"
#include "runtime/program.h"
#include "zelvar_project.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = zelvar::runCommandLine(argc, argv))
        return *status;
    if (const std::optional<int> status = zelvar::prepareDisplay(argc, argv))
        return *status;
    return zelvar::startProgram(zelvar::zelvarProject(), argc, argv);
}
