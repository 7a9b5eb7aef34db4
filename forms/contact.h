// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace zelvar {

// Where users reach us; shown in the About message.
inline constexpr std::string_view kFeedbackEmail = "feedback@zelvar.example";
inline constexpr std::string_view kHomePage = "https://zelvar.example/";

}  // namespace zelvar
