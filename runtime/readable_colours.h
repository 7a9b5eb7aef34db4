// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// Text that stays readable where a layout fixes one of a control's two
// colours and the user's colour scheme gives the other.
namespace zelvar {

// The contrast ratio of two colours by their relative luminance, as the Web
// Content Accessibility Guidelines define it: from 1 (the same) to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Where a layout pairs a fixed colour with a system colour, the system colour
// to use: itself, unless the pair would read worse than both 4.5:1 and the
// same pair under the default scheme (defaultSystem); then the nearer of
// black or white that reads at least that well.
QColor readableSystemColour(const QColor& fixed, const QColor& system, const QColor& defaultSystem);

// Which of a control's two colours the layout fixes; the other is the
// system's. An entry's colours are its base and text.
enum class FixedColour { Background, Text, EntryBackground };

// Applies readableSystemColour to the control now and whenever the system's
// colour scheme changes while the program runs.
void keepReadable(QWidget& control, FixedColour fixed);

}  // namespace zelvar
