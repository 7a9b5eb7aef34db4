#include "auto_size_label.h"

#include <algorithm>

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
    QRect area = geometry();
    const int width = widthFor(caption);
    if (alignment() & Qt::AlignRight)
        area.setLeft(area.right() + 1 - width);
    else
        area.setWidth(width);
    setText(caption);
    setToolTip(caption);
    setGeometry(area);
}

}  // namespace zelvar
