// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "engine/units.h"
#include "form_layout.h"
#include "zelvar_identity.h"

// The converter window as data: the window itself, its 42 controls in form
// order and its menu bar.
namespace zelvar::frm_conver {

inline constexpr std::string_view kName = "frmConver";
inline constexpr std::string_view kCaption = ZELVAR_TITLE;
inline constexpr std::string_view kIcon = ":/pictures/zelvar.ico";
inline constexpr int kClientWidth = 6600;   // twips
inline constexpr int kClientHeight = 5220;  // twips

extern const std::array<ControlRow, 42> kControls;
extern const std::array<MenuRow, 4> kMenus;

// What a screen reader calls the controls whose own text does not say what
// they are for (buttons and menus are read by their captions).
struct AccessibleNameRow {
    std::string_view control;
    std::string_view name;
};
inline constexpr std::array<AccessibleNameRow, 2> kAccessibleNames{{
    {"txtUserData", "Number to convert"},
    {"cboMeasures", "Unit of the number"},
}};
// The two labels of each unit, in unit-list order: its caption, which shows
// the unit's name, and the result field beside it, which shows its value.
struct UnitControlsRow {
    LengthUnit unit;
    std::string_view caption;
    std::string_view field;
};
extern const std::array<UnitControlsRow, kUnitCount> kUnitControls;

// A result field is read as its value, and described by its unit.
inline constexpr std::string_view kResultFieldDescription = "Result in ";

}  // namespace zelvar::frm_conver
