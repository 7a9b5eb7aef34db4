#pragma once

#include <QLabel>

namespace zelvar {

// A label whose width follows its caption: the edge its text is aligned to
// stays where it is and the other edge moves, so a right-aligned label grows
// to the left. Its height never changes and its text stays on one line. The
// whole caption is also its tool tip (and, being its text, what a screen
// reader reads), so a caption cut off at the window's edge can still be read
// in full.
class AutoSizeLabel : public QLabel {
    Q_OBJECT

public:
    explicit AutoSizeLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);

    // Measuring text is the dearest thing a window does before it shows: the
    // first measurement loads the font database. A label told to wait keeps
    // its caption and its layout box, and fits the box to the caption when
    // its window is first painted. Call it once the label is in its window.
    void fitAtFirstPaint();

    // Border, margins and text: the width the caption needs.
    int widthFor(const QString& caption) const;

private:
    void fitToCaption();

    bool waitingForFirstPaint_ = false;
};

}  // namespace zelvar
