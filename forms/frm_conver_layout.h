#pragma once

#include <array>
#include <string_view>

#include "form_layout.h"

// The converter window as data: the window itself, its 42 controls in form
// order and its menu bar.
namespace zelvar::frm_conver {

inline constexpr std::string_view kName = "frmConver";
inline constexpr std::string_view kCaption = "Zelvar";
inline constexpr std::string_view kIcon = ":/pictures/zelvar.ico";
inline constexpr int kClientWidth = 6600;   // twips
inline constexpr int kClientHeight = 5220;  // twips

extern const std::array<ControlRow, 42> kControls;
extern const std::array<MenuRow, 4> kMenus;

}  // namespace zelvar::frm_conver
