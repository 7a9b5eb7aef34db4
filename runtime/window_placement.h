#pragma once

class QWidget;

namespace zelvar {

// Places a top-level window in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

}  // namespace zelvar
