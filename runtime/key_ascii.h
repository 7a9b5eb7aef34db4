#pragma once

#include <optional>

class QKeyEvent;

namespace zelvar {

// The character code a key press carries, as a form's KeyPress event gets
// it: letters, digits, punctuation and Space as their characters, Enter 13,
// Esc 27, Backspace 8, Tab 9, Ctrl+letter 1 to 26. Keys that type nothing
// (arrows, function keys, Delete, Shift, Ctrl or Alt alone) and Alt
// combinations, which belong to menus, carry none.
std::optional<char32_t> keyAscii(const QKeyEvent& key);

}  // namespace zelvar
