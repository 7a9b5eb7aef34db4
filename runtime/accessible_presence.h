// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zelvar {

// Leaves a control out of what a screen reader finds in its form, or brings
// it back: a shape or a picture that only decorates, or a caption whose
// words another control says already. The control looks and acts as
// before. It works for the controls on a form's client area (a plain
// QWidget), which is where forms put them.
void setSeenByScreenReader(QWidget& control, bool seen);

// Teaches Qt's accessibility layer to leave those controls out; call once,
// with the application object in place.
void installAccessiblePresence();

}  // namespace zelvar
