// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace zelvar {

// Called before the application object exists. When nothing names a display
// or a platform (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, no -platform
// or -display), says so in one line and returns the exit status.
//
// Otherwise arranges that a display which cannot be opened ends the program
// with one line and status 1, where Qt would print a page of messages and
// abort. Any other failure of the platform to start (a platform plugin that
// is missing or misnamed, or whose library cannot be loaded) shows Qt's own
// lines about it and ends with status 1 too. Qt's messages from the start are held until the platform is
// up, then shown as usual.
//
// With QT_FATAL_WARNINGS or QT_FATAL_CRITICALS set, nothing is held or
// changed: the user asked for Qt's own handling of its messages.
std::optional<int> prepareDisplay(int argc, char** argv);

}  // namespace zelvar
