// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>

// The controls a form is made of, beyond Qt's own buttons, text boxes and
// frames.
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

signals:
    void captionChanged(const QString& caption);

private:
    void fitToCaption();

    bool waitingForFirstPaint_ = false;
};

// Gives a label a form label's single fixed border, drawn as a thin sunken
// edge, and the room the platform leaves between that border and the text.
// Together they make an empty auto-size label 9 pixels (135 twips) wide.
void setSingleBorder(QLabel& label);

// A picture from an image file, stretched over the control's box. The file is
// decoded when the control's window is first painted rather than when the
// control is made: a window's first appearance need not wait for its pictures
// to be decoded, only its first paint does. Only the picture as stretched is
// kept, not the file's own pixels; resized, or on a screen of another pixel
// density, it is stretched again from the file.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(const QString& file, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void load();
    QSize pixelsOnScreen() const;

    QString file_;
    bool loadRequested_ = false;
    QSize stretchedTo_;
};

// A form's drop-down combo: an editable text part over a list that only the
// program fills. Enter never adds the typed text to the list, nothing is
// completed while typing, and only a pick from the list (mouse or arrow keys)
// emits activated(), not typing an item's text. A screen reader reads its
// accessible name (when set) as its name and its text as its value; Qt's own
// combo box on Linux names itself by its text only.
class DropDownCombo : public QComboBox {
    Q_OBJECT

public:
    explicit DropDownCombo(QWidget* parent = nullptr);

    // Appends an item at the end of the list, leaving the text part and the
    // selection as they were (Qt would make the first item of an empty list
    // current).
    void appendItem(const QString& item);

    // Sets the text part; one wider than the box shows from its beginning.
    void setText(const QString& text);

    // Shows a prompt in the text part, read by a screen reader as its words.
    void setPrompt(const QString& prompt);
};

// Teaches Qt's accessibility layer about DropDownCombo; call once, with the
// application object in place.
void installDropDownComboAccessibility();

}  // namespace zelvar
