// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace zelvar {

// Puts a text on the clipboard through Klipper, Plasma's clipboard keeper,
// over the session bus: the provider has no window of its own to own the
// clipboard with. Klipper is asked without waiting for it, so that one that
// is slow or hung holds up no search; done runs later, from the event loop,
// with true once Klipper took the text, and false when Klipper is not on
// the bus, refuses the text or does not answer in time.
void copyThroughKlipper(const QString& text, std::function<void(bool copied)> done);

}  // namespace zelvar
