// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "form_layout.h"

class QMenuBar;
class QWidget;

namespace zelvar {

// Creates a form's controls on its client area from their rows. Each gets its
// object name, place, size, text, colours, font and border; the first row
// ends up in front of all the others; the controls that take the focus are
// chained in tab-index order; the default and cancel buttons answer Enter and
// Esc. The client area is marked as one (markAsClientArea).
void buildControls(QWidget& client, std::span<const ControlRow> rows);

void buildMenuBar(QMenuBar& bar, std::span<const MenuRow> rows);

}  // namespace zelvar
