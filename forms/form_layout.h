// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/fonts.h"

// The vocabulary in which a form's layout is written down as data: one row
// per control, in form order, which is also the stacking order (front to
// back). Places and sizes are twips from the top-left of the client area.
namespace zelvar {

enum class ControlKind {
    ComboBox,  // editable text part over a drop-down list
    TextBox,   // single line, up to 32,767 characters
    CommandButton,
    Shape,  // rectangle, transparent inside, one-pixel line
    Label,
    Picture,  // stretched to the control's size
};

struct Rgb {
    std::uint8_t red, green, blue;
};

enum class TextAlign { Left, Right };

enum class ButtonRole { Plain, Default, Cancel };

// How a control looks beyond its place and text. Unset colours and fonts
// follow the platform (button face, window text) and the window's font.
struct ControlLook {
    std::optional<Rgb> background{};  // labels: opaque fill; boxes: entry colour
    std::optional<Rgb> foreground{};  // text colour, or a shape's line colour
    std::optional<FontSpec> font{};
    bool border = false;  // labels: a single fixed line
    TextAlign align = TextAlign::Left;
    bool sizeFollowsText = false;  // labels: width follows the caption
    ButtonRole role = ButtonRole::Plain;
};

inline constexpr int kNoTabStop = -1;

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view text;  // caption or text at start; for a picture, its resource
    int left, top, width, height;
    int tabIndex;
    const ControlLook* look;
};

// Menu bar rows, in order. A row without a parent is on the bar itself; it
// opens a menu when other rows name it as their parent, else it is a command.
struct MenuRow {
    std::string_view name;
    std::string_view caption;
    std::string_view parent;
    std::string_view shortcut = {};  // a key sequence, as QKeySequence reads it; shown beside the caption
};

}  // namespace zelvar
