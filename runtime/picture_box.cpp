#include "picture_box.h"

#include <QEvent>
#include <QPixmap>
#include <QPointer>

#include "first_paint.h"

namespace zelvar {

PictureBox::PictureBox(const QString& file, QWidget* parent) : QLabel(parent), file_(file) {
    setScaledContents(true);
}

bool PictureBox::event(QEvent* event) {
    // By its first Show the control is in the window it will be painted in.
    if (event->type() == QEvent::Show && !loadRequested_) {
        loadRequested_ = true;
        beforeFirstPaint(*window(), [picture = QPointer<PictureBox>(this)] {
            if (picture)
                picture->load();
        });
    }
    return QLabel::event(event);
}

void PictureBox::load() {
    setPixmap(QPixmap(file_));
}

}  // namespace zelvar
