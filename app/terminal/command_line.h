// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace zelvar {

// What the program's exit status tells a shell.
enum ExitStatus : int {
    kExitDone = 0,
    kExitCannotRun = 1,  // the window could not start, or the results could not be written
    kExitUsage = 2,      // a mistake in the command line, an unknown unit among them
    kExitOverflow = 3,   // the conversion overflowed
};

// Reads the command line before any window or application object exists.
// --help, --version and --convert are answered in the terminal, and a mistake
// in the command line is reported in one line; the exit status is returned
// then. Returns nothing when the windows should start. Qt's own options
// (-platform, -style, -session and the like) are left to the application
// object, which takes them as Qt takes them: by their exact name, the value
// in the next argument.
//
// --show NUMBER UNIT is checked here too; when it is right, the windows
// should start with that conversion, which is put in *shown.
struct ShownConversion;
std::optional<int> runCommandLine(int argc, char** argv, std::optional<ShownConversion>* shown = nullptr);

}  // namespace zelvar
