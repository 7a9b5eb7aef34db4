// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/written_length.h"

namespace zelvar {

// Starts Zelvar's window for the person who picked a result: on the length
// itself whatever its target (the window has no answer in feet and inches),
// plainly (splash first) for anything else. The length goes as the words of
// its canonical text, the last one (its smallest unit) on its own:
// `zelvar --show "5 FEET 10" INCHES`, and for a simple length
// `zelvar --show NUMBER UNIT`. The program is found beside the provider's own folder as it
// is installed. A timestamp of the user's action (0: none) lets an X window
// manager give the new window the focus.
void openWindow(const std::optional<WrittenLength>& length, unsigned timestamp);

}  // namespace zelvar
