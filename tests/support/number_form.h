// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/number_form.h"

// The number forms of four kinds of user, as their locales give them
// (en_US, de_DE, fr_FR and de_CH: tst_runtime checks each against Qt's).
namespace zelvar::test {

inline const NumberForm kPointAndCommas{".", {","}};
inline const NumberForm kCommaAndPoints{",", {"."}};
inline const NumberForm kCommaAndSpaces{",", {" ", "\u00a0", "\u202f"}};
inline const NumberForm kPointAndApostrophes{".", {"'", "\u2019"}};

}  // namespace zelvar::test
