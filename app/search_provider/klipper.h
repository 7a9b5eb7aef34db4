// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zelvar {

// Puts a text on the clipboard through Klipper, Plasma's clipboard keeper,
// over the session bus: the provider has no window of its own to own the
// clipboard with. False, with nothing copied, when Klipper is not on the bus
// or does not take the text.
bool copyThroughKlipper(const QString& text);

}  // namespace zelvar
