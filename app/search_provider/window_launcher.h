// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/length_query.h"

namespace zelvar {

// Starts Zelvar's window for the person who picked a result: with
// `zelvar --show NUMBER UNIT` for a length, plainly (splash first) for
// anything else. The program is found beside the provider's own folder as it
// is installed. A timestamp of the user's action (0: none) lets an X window
// manager give the new window the focus.
void openWindow(const std::optional<LengthQuery>& query, unsigned timestamp);

}  // namespace zelvar
