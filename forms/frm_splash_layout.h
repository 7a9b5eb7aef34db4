// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "form_layout.h"

// The splash window as data: the window itself, its timer and its eight
// visible controls in form order.
namespace zelvar::frm_splash {

inline constexpr std::string_view kName = "frmSplash";
inline constexpr std::string_view kCaption = "";
inline constexpr std::string_view kIcon = ":/pictures/splash-logo.ico";  // also what imgLogo shows
inline constexpr int kClientWidth = 7380;                                // twips
inline constexpr int kClientHeight = 4245;                               // twips

// The first control in form order: invisible, ticking from its creation.
struct TimerRow {
    std::string_view name;
    int intervalMs;
};
inline constexpr TimerRow kTimer1{"Timer1", 4000};

extern const std::array<ControlRow, 8> kControls;

}  // namespace zelvar::frm_splash
