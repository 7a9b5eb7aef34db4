#include "auto_size_label.h"

#include <QPointer>
#include <algorithm>

#include "first_paint.h"

namespace zelvar {

AutoSizeLabel::AutoSizeLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
    setIndent(0);  // not Qt's automatic indent, which widthFor cannot know
}

int AutoSizeLabel::widthFor(const QString& caption) const {
    // The contents margins hold the frame; margin() lies inside it on both
    // sides and the indent on the side the text is aligned to.
    const QMargins frame = contentsMargins();
    return frame.left() + frame.right() + 2 * margin() + std::max(indent(), 0)
           + fontMetrics().horizontalAdvance(caption);
}

void AutoSizeLabel::setCaption(const QString& caption) {
    setText(caption);
    setToolTip(caption);
    if (!waitingForFirstPaint_)
        fitToCaption();
}

void AutoSizeLabel::fitAtFirstPaint() {
    if (waitingForFirstPaint_)
        return;
    waitingForFirstPaint_ = true;
    beforeFirstPaint(*window(), [label = QPointer<AutoSizeLabel>(this)] {
        if (label) {
            label->waitingForFirstPaint_ = false;
            label->fitToCaption();
        }
    });
}

// The edge the text is aligned to stays; the other one moves.
void AutoSizeLabel::fitToCaption() {
    QRect area = geometry();
    const int width = widthFor(text());
    if (alignment() & Qt::AlignRight)
        area.setLeft(area.right() + 1 - width);
    else
        area.setWidth(width);
    setGeometry(area);
}

}  // namespace zelvar
