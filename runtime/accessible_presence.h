// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zelvar {

// Makes client the client area of a form, whose controls
// setSeenByScreenReader can leave out. Forms mark theirs as they build it;
// any other plain QWidget (a dialog's, Qt's own) is read as Qt reads it. It
// counts for a plain QWidget only: a form that is its own client area is a
// window, which Qt reads as one.
void markAsClientArea(QWidget& client);

// Leaves a control on a form's client area out of what a screen reader
// finds in the form, or brings it back: a shape or a picture that only
// decorates, or a caption whose words another control says already. The
// control looks and acts as before. A screen reader already reading the form
// is told that the control left or joined it.
void setSeenByScreenReader(QWidget& control, bool seen);

// Teaches Qt's accessibility layer to leave those controls out; call once,
// with the application object in place.
void installAccessiblePresence();

}  // namespace zelvar
