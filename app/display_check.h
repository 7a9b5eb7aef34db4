// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace zelvar {

// Called before the application object exists. When nothing names a display
// or a platform (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM, no -platform
// or -display), says so in one line and returns the exit status. Otherwise
// arranges that a display which cannot be opened ends the program with one
// line and that status, where Qt would print a page of messages and abort;
// Qt's messages from the start are held until the display is open, then shown
// as usual.
std::optional<int> prepareDisplay(int argc, char** argv);

}  // namespace zelvar
