// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace zelvar::test {
namespace {

constexpr int kLookEveryMs = 10;
constexpr int kBoxTimeoutMs = 3000;

const QLabel* messageLabel(const QMessageBox& box) {
    return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

int linesOf(const QLabel& label) {
    const int height =
        label.wordWrap() ? label.heightForWidth(label.contentsRect().width()) : label.sizeHint().height();
    return height / label.fontMetrics().lineSpacing();
}

ShownMessage read(const QMessageBox& box) {
    const QLabel* label = messageLabel(box);
    return {box.windowTitle(),
            box.text(),
            box.icon(),
            box.standardButtons(),
            box.windowModality(),
            label ? linesOf(*label) : 0,
            label ? label->width() / label->fontMetrics().averageCharWidth() : 0};
}

}  // namespace

ModalWatch::ModalWatch() {
    timer_.setInterval(kLookEveryMs);
    connect(&timer_, &QTimer::timeout, this, &ModalWatch::look);
}

void ModalWatch::start() {
    unexpected_.clear();
    expecting_ = false;
    timer_.start();
}

QStringList ModalWatch::stop() {
    timer_.stop();
    return unexpected_;
}

void ModalWatch::look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (expecting_ && box && !answered_) {
        answered_ = read(*box);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
        return;
    }
    unexpected_ << QStringLiteral("%1 \"%2\": %3")
                       .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(),
                            box ? box->text() : QString());
    modal->close();
}

std::optional<ShownMessage> ModalWatch::answerMessageBox(const std::function<void()>& action) {
    const bool wasRunning = timer_.isActive();
    timer_.start();
    answered_.reset();
    expecting_ = true;
    action();
    (void)QTest::qWaitFor([this] { return answered_.has_value(); }, kBoxTimeoutMs);
    // Let the closed box's exec() return before the test goes on.
    (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, kBoxTimeoutMs);
    expecting_ = false;
    if (!wasRunning)
        timer_.stop();
    return answered_;
}

void pickFromList(QComboBox& combo, const QString& item) {
    const int row = combo.findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(row >= 0, qPrintable(item));
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(combo.model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    // The offscreen platform hands the activation to the list's popup late,
    // after it has closed; give it back to the form as a window manager would.
    QCoreApplication::processEvents();
    combo.window()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), combo.window());
}

QString focusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return {};
}

QImage drawnBy(QWidget& control) {
    const qreal ratio = control.devicePixelRatioF();
    QImage image(control.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage drawnByQLabel(const QString& file, QSize size) {
    QLabel label;
    label.setScaledContents(true);
    label.setPixmap(QPixmap(file));
    label.resize(size);
    return drawnBy(label);
}

}  // namespace zelvar::test
