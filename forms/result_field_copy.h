// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;

namespace zelvar {

// Offers "Copy" on a right-click of a result field: it puts the field's text
// on the clipboard without thousands separators, the decimal separator as
// shown, ready to paste into a spreadsheet.
void offerCopy(QLabel& field);

}  // namespace zelvar
