// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_conver_layout.h"

namespace zelvar::frm_conver {
namespace {

// clang-format off
constexpr Rgb kLightGrey{192, 192, 192};
constexpr Rgb kDarkGrey{64, 64, 64};
constexpr Rgb kLineGrey{128, 128, 128};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};

constexpr FontSpec kFieldFont{"MS Sans Serif", 9.75, 700, false};
constexpr FontSpec kCaptionFont{"MS Sans Serif", 9.75, 700, true};

constexpr ControlLook kEntry{.background = kLightGrey};
constexpr ControlLook kDefaultButton{.role = ButtonRole::Default};
constexpr ControlLook kCancelButton{.role = ButtonRole::Cancel};
constexpr ControlLook kGreyLine{.foreground = kLineGrey};
constexpr ControlLook kDefaultLine{};
constexpr ControlLook kResultField{.background = kDarkGrey, .foreground = kWhite, .font = kFieldFont,
                                   .border = true, .align = TextAlign::Right, .sizeFollowsText = true};
constexpr ControlLook kUnitCaption{.background = kDarkGrey, .foreground = kYellow, .font = kCaptionFont,
                                   .border = true, .align = TextAlign::Left};
constexpr ControlLook kPrompt{.background = kDarkGrey, .foreground = kWhite};
constexpr ControlLook kLogo{};

using enum ControlKind;

}  // namespace

// Result fields sit right of x = 1515 (left column) and 4395 (right column),
// each 45 twips before its unit caption; rows are 315 high, every 330.
const std::array<ControlRow, 42> kControls{{
    // name            kind           text                   left  top   width height tab  look
    {"cboMeasures",    ComboBox,      "Select Unit ----->",  1260, 4740, 1515, 315,   1,  &kEntry},
    {"txtUserData",    TextBox,       "",                    2040, 4200,  735, 285,   0,  &kEntry},
    {"cmdClear",       CommandButton, "C&LEAR",              5160, 4410,  975, 375,   3,  &kCancelButton},
    {"cmdConvert",     CommandButton, "&CONVERT",            3810, 4410,  975, 375,   2,  &kDefaultButton},
    {"Shape8",         Shape,         "",                    3660, 4320, 2655, 585,  kNoTabStop, &kGreyLine},
    {"Shape7",         Shape,         "",                     690, 4680, 2235, 435,  kNoTabStop, &kGreyLine},
    {"Shape6",         Shape,         "",                     690, 4140, 2235, 405,  kNoTabStop, &kGreyLine},
    {"Shape5",         Shape,         "",                     870,   90, 4935, 1485, kNoTabStop, &kDefaultLine},
    {"Shape4",         Shape,         "",                     930,  150, 4815, 1365, kNoTabStop, &kGreyLine},
    {"Shape3",         Shape,         "",                    3630, 4290, 2715, 645,  kNoTabStop, &kDefaultLine},
    {"Shape2",         Shape,         "",                     660, 4650, 2295, 495,  kNoTabStop, &kDefaultLine},
    {"Shape1",         Shape,         "",                     660, 4110, 2295, 465,  kNoTabStop, &kDefaultLine},
    {"lbHecto",        Label,         "",                    4260, 3270,  135, 315,  32, &kResultField},
    {"lbDeka",         Label,         "",                    4260, 2940,  135, 315,  31, &kResultField},
    {"lbDeci",         Label,         "",                    4260, 2280,  135, 315,  30, &kResultField},
    {"lbHectometer",   Label,         "HECTOMETERS",         4440, 3270, 1875, 315,  29, &kUnitCaption},
    {"lbDekameter",    Label,         "DEKAMETERS",          4440, 2940, 1875, 315,  28, &kUnitCaption},
    {"lbDecimeters",   Label,         "DECIMETERS",          4440, 2280, 1875, 315,  27, &kUnitCaption},
    {"lbLeag",         Label,         "",                    1380, 3600,  135, 315,  26, &kResultField},
    {"lbFurl",         Label,         "",                    1380, 2940,  135, 315,  25, &kResultField},
    {"lbRod",          Label,         "",                    1380, 2610,  135, 315,  24, &kResultField},
    {"lbLeague",       Label,         "LEAGUE",              1560, 3600, 1215, 315,  23, &kUnitCaption},
    {"lbFurlong",      Label,         "FURLONG",             1560, 2940, 1215, 315,  22, &kUnitCaption},
    {"lbRods",         Label,         "RODS",                1560, 2610, 1215, 315,  21, &kUnitCaption},
    {"lb1Yard",        Label,         "",                    1380, 2280,  135, 315,  20, &kResultField},
    {"lb2Foot",        Label,         "",                    1380, 1950,  135, 315,  19, &kResultField},
    {"lb3Inch",        Label,         "",                    1380, 1620,  135, 315,  18, &kResultField},
    {"lb4Meter",       Label,         "",                    4260, 2610,  135, 315,  17, &kResultField},
    {"lb5CentMeter",   Label,         "",                    4260, 1950,  135, 315,  16, &kResultField},
    {"lb6MilMeter",    Label,         "",                    4260, 1620,  135, 315,  15, &kResultField},
    {"lbYards",        Label,         "YARDS",               1560, 2280, 1215, 315,  14, &kUnitCaption},
    {"lbFeet",         Label,         "FEET",                1560, 1950, 1215, 315,  13, &kUnitCaption},
    {"lbInches",       Label,         "INCHES",              1560, 1620, 1215, 315,  12, &kUnitCaption},
    {"lb7Mile",        Label,         "",                    1380, 3270,  135, 315,  11, &kResultField},
    {"lbMiles",        Label,         "MILES",               1560, 3270, 1215, 315,  10, &kUnitCaption},
    {"lb8Kilo",        Label,         "",                    4260, 3600,  135, 315,   9, &kResultField},
    {"lbMeters",       Label,         "METERS",              4440, 2610, 1875, 315,   8, &kUnitCaption},
    {"lbCents",        Label,         "CENTIMETERS",         4440, 1950, 1875, 315,   7, &kUnitCaption},
    {"lbMilis",        Label,         "MILLIMETERS",         4440, 1620, 1875, 315,   6, &kUnitCaption},
    {"lbKilos",        Label,         "KILOMETERS",          4440, 3600, 1875, 315,   5, &kUnitCaption},
    {"Label11",        Label,         "Enter Number ---->",   720, 4260, 1395, 255,   4, &kPrompt},
    {"Image1",         Picture,       ":/pictures/main-logo.bmp", 900, 120, 4875, 1425, kNoTabStop, &kLogo},
}};

const std::array<UnitControlsRow, kUnitCount> kUnitControls{{
    {LengthUnit::League,      "lbLeague",     "lbLeag"},
    {LengthUnit::Miles,       "lbMiles",      "lb7Mile"},
    {LengthUnit::Furlong,     "lbFurlong",    "lbFurl"},
    {LengthUnit::Rods,        "lbRods",       "lbRod"},
    {LengthUnit::Yards,       "lbYards",      "lb1Yard"},
    {LengthUnit::Feet,        "lbFeet",       "lb2Foot"},
    {LengthUnit::Inches,      "lbInches",     "lb3Inch"},
    {LengthUnit::Kilometers,  "lbKilos",      "lb8Kilo"},
    {LengthUnit::Hectometers, "lbHectometer", "lbHecto"},
    {LengthUnit::Dekameters,  "lbDekameter",  "lbDeka"},
    {LengthUnit::Meters,      "lbMeters",     "lb4Meter"},
    {LengthUnit::Decimeters,  "lbDecimeters", "lbDeci"},
    {LengthUnit::Centimeters, "lbCents",      "lb5CentMeter"},
    {LengthUnit::Millimeters, "lbMilis",      "lb6MilMeter"},
}};

const std::array<MenuRow, 4> kMenus{{
    {"mnuFile", "&File", ""},
    {"mnuClearItem", "&Clear", "mnuFile"},
    {"mnuExitItem", "E&xit", "mnuFile", "Ctrl+Q"},
    {"mnuAbout", "&About", ""},
}};
// clang-format on

}  // namespace zelvar::frm_conver
