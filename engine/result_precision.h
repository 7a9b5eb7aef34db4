// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zelvar {

// Whether a result is handed to display as a single or a double; it decides
// how many significant digits are shown.
enum class ResultPrecision { Single, Double };

}  // namespace zelvar
