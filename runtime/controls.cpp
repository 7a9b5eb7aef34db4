// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <algorithm>

#include "form_life.h"
#include "pictures.h"
#include "qt_internals.h"
#include "text_box_accessibility.h"

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
    return frame.left() + frame.right() + 2 * margin() + std::max(indent(), 0) +
           fontMetrics().horizontalAdvance(caption);
}

void AutoSizeLabel::setCaption(const QString& caption) {
    setText(caption);
    setToolTip(caption);
    if (!waitingForFirstPaint_)
        fitToCaption();
    emit captionChanged(caption);
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

void setSingleBorder(QLabel& label) {
    constexpr int kBorderWidth = 1;
    constexpr int kTextMargin = 3;  // both sides, inside the border
    constexpr int kTextIndent = 1;  // on the side the text is aligned to
    label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label.setLineWidth(kBorderWidth);
    label.setMargin(kTextMargin);
    label.setIndent(kTextIndent);
}

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

QSize PictureBox::pixelsOnScreen() const {
    return contentsRect().size() * devicePixelRatioF();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another density, or resized: stretched afresh
    // from the file, not from the picture kept.
    if (stretchedTo_.isValid() && stretchedTo_ != pixelsOnScreen())
        load();
    QLabel::paintEvent(event);
}

// On a dense screen the picture drawn at twice the pixels, where there is
// one, rather than the plain one stretched. It is stretched here as QLabel
// would stretch it at paint time, pixel for pixel, so that the decoded file,
// up to four times the pixels on screen, need not be kept beside it.
void PictureBox::load() {
    const qreal ratio = devicePixelRatioF();
    stretchedTo_ = pixelsOnScreen();
    // Converted as QPixmap(file) converts it, but without its copy in the
    // pixmap cache, which would keep the file's pixels for the program's life.
    const QPixmap file = QPixmap::fromImage(readPicture(pictureFileFor(file_, ratio)));
    if (file.isNull()) {
        setPixmap(file);
        return;
    }
    QPixmap stretched =
        QPixmap::fromImage(file.toImage().scaled(stretchedTo_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    stretched.setDevicePixelRatio(ratio);
    setPixmap(stretched);
}

DropDownCombo::DropDownCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Typing is not picking.
    qt_internals::stopPickingOnEditingFinished(*this);
}

void DropDownCombo::appendItem(const QString& item) {
    const int selected = currentIndex();
    const QString text = currentText();
    addItem(item);
    if (currentIndex() != selected)
        setCurrentIndex(selected);
    if (currentText() != text)
        setText(text);
}

void DropDownCombo::setText(const QString& text) {
    setEditText(text);
    // A text wider than the box shows its beginning, not its end.
    if (QLineEdit* edit = lineEdit())
        edit->home(false);
}

void DropDownCombo::setPrompt(const QString& prompt) {
    markAsPrompt(*lineEdit(), prompt);
    setText(prompt);
}

namespace {

// Read as a combo box named by its accessible name whose value is its text;
// its children are the list and the text part, as for Qt's own combo box.
class DropDownComboAccessible : public QAccessibleWidget {
public:
    explicit DropDownComboAccessible(DropDownCombo* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return combo()->accessibleName().isEmpty() ? combo()->currentText() : combo()->accessibleName();
        // The text part's value, as a screen reader reads it.
        case QAccessible::Value:
            if (QAccessibleInterface* text = QAccessible::queryAccessibleInterface(combo()->lineEdit()))
                return text->text(QAccessible::Value);
            return combo()->currentText();
        default: return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == combo()->view())
            return 0;
        if (combo()->lineEdit() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    DropDownCombo* combo() const { return static_cast<DropDownCombo*>(object()); }
};

QAccessibleInterface* dropDownComboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DropDownCombo::staticMetaObject.className()) && object->isWidgetType())
        return new DropDownComboAccessible(static_cast<DropDownCombo*>(object));
    return nullptr;
}

}  // namespace

void installDropDownComboAccessibility() {
    QAccessible::installFactory(dropDownComboFactory);
}

}  // namespace zelvar
