#pragma once

class QLabel;

namespace zelvar {

// Gives a label a form label's single fixed border, drawn as a thin sunken
// edge, and the room the platform leaves between that border and the text.
// Together they make an empty auto-size label 9 pixels (135 twips) wide.
void setSingleBorder(QLabel& label);

}  // namespace zelvar
