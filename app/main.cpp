// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"
#include "runtime/program.h"
#include "shown_conversion.h"
#include "terminal/command_line.h"
#include "zelvar_project.h"

int main(int argc, char* argv[]) {
    std::optional<zelvar::ShownConversion> shown;
    if (const std::optional<int> status = zelvar::runCommandLine(argc, argv, &shown))
        return *status;
    if (const std::optional<int> status = zelvar::prepareDisplay(argc, argv))
        return *status;
    const zelvar::ProjectHeader project = zelvar::zelvarProject();
    return zelvar::startProgram(shown ? zelvar::withConversionShown(project, *shown) : project, argc, argv);
}
