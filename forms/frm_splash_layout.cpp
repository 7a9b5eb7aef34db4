// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_splash_layout.h"

#include "zelvar_identity.h"

namespace zelvar::frm_splash {
namespace {

// clang-format off
constexpr Rgb kRed{255, 0, 0};

constexpr FontSpec kAddressFont{"Arial", 9.75, 700, false};
constexpr FontSpec kCopyrightFont{"Arial", 8.25, 400, false};
constexpr FontSpec kVersionFont{"Arial", 12, 700, false};
constexpr FontSpec kPlatformFont{"Arial", 15.75, 700, false};

// Every label is auto-sized, borderless and opaque on button face; those
// aligned right grow to the left.
constexpr ControlLook kWebAddress{.foreground = kRed, .font = kAddressFont, .sizeFollowsText = true};
constexpr ControlLook kEmail{.sizeFollowsText = true};
constexpr ControlLook kCopyright{.font = kCopyrightFont, .sizeFollowsText = true};
constexpr ControlLook kVersion{.font = kVersionFont, .align = TextAlign::Right, .sizeFollowsText = true};
constexpr ControlLook kPlatform{.font = kPlatformFont, .align = TextAlign::Right, .sizeFollowsText = true};
constexpr ControlLook kPicture{};

using enum ControlKind;

}  // namespace

// Widths of the labels are those their texts had when the window was drawn;
// at load each is fitted to its own text with the aligned edge kept.
const std::array<ControlRow, 8> kControls{{
    // name          kind     text                              left   top  width height tab         look
    {"Label2",       Label,   ZELVAR_HOME_PAGE,                 2400,  180, 2760,  240, kNoTabStop, &kWebAddress},
    {"Label1",       Label,   ZELVAR_FEEDBACK_EMAIL,            4920, 3810, 1875,  195, kNoTabStop, &kEmail},
    {"Image2",       Picture, ":/pictures/splash-banner.gif",   1320,  720, 5010, 1080, kNoTabStop, &kPicture},
    {"lblCopyright", Label,   ZELVAR_COPYRIGHT_NOTICE,          2280, 3210, 4560,  210, kNoTabStop, &kCopyright},
    {"lblVersion",   Label,   "Version",                        5520, 2010,  885,  285, kNoTabStop, &kVersion},
    {"lblPlatform",  Label,   "Windows 95",                     2070, 1950, 1830,  360, kNoTabStop, &kPlatform},
    // Reaches 120 twips past the left edge and is cut off there.
    {"imgLogo",      Picture, kIcon,                            -120, 1920, 1815, 2385, kNoTabStop, &kPicture},
    // The backdrop, beneath every other control; the 30 twips right of it show button face.
    {"Image1",       Picture, ":/pictures/splash-backdrop.jpg",    0,    0, 7350, 4290, kNoTabStop, &kPicture},
}};
// clang-format on

}  // namespace zelvar::frm_splash
