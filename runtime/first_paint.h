#pragma once

#include <functional>

class QWidget;

namespace zelvar {

// Runs `prepare` once, when the top-level `window` is first exposed on the
// screen: after the window system has mapped it and just before its first
// paint, so whatever `prepare` changes is in that paint. Work that only the
// painting needs (decoding pictures, measuring text with the font database)
// goes there and no longer keeps the window from reaching the screen. Runs at
// once when the window is already exposed.
void beforeFirstPaint(QWidget& window, std::function<void()> prepare);

}  // namespace zelvar
