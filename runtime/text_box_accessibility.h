// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;
class QString;

namespace zelvar {

// Teaches Qt's accessibility layer to read the program's single-line text
// boxes (the number entry, the unit list's text part) as a screen reader
// asks for them, by character, word, sentence, line and paragraph, at every
// offset from the start to the end, and to answer at once. Qt 6.4's own
// answer for the word or sentence at the very end of a text never returns,
// and screen readers ask exactly that when Ctrl+Left or Ctrl+Right reaches
// the end. The text's attributes come as one run over the whole text, so
// that a screen reader reads all of it. Call once, with the application
// object in place.
void installTextBoxAccessibility();

// While box shows exactly prompt, a screen reader reads the prompt's words
// (an arrow drawn after them is left out) and hears nothing of its
// selection, which is there only so that typing replaces the prompt.
void markAsPrompt(QLineEdit& box, const QString& prompt);

}  // namespace zelvar
