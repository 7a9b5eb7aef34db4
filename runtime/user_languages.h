// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "engine/unit_vocabulary.h"

namespace zelvar {

// The vocabulary languages the user reads, in the order gettext takes them:
// each one LANGUAGE lists (unless the locale is C or POSIX), else the one
// LC_ALL, LC_MESSAGES or LANG names, the first that is set. Languages the
// program has no words for are left out.
std::vector<std::string> userLanguages();

// English and the user's languages, made once.
const UnitVocabulary& userVocabulary();

}  // namespace zelvar
