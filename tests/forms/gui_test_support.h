// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

#include "runtime/program.h"

class QComboBox;
class QWidget;

// Window tests run in the program's own application object, titled as the
// program is, so that what escapes a handler is handled as in the program.
#define ZELVAR_GUI_TEST_MAIN(TestClass)                                                                                \
    int main(int argc, char* argv[]) {                                                                                 \
        zelvar::FormApplication app(argc, argv);                                                                       \
        QApplication::setApplicationDisplayName(QStringLiteral("Zelvar"));                                             \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

namespace zelvar::test {

// What a message box showed.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality;
    int textLines;              // lines the text is laid out in
    int textWidthInCharacters;  // width of the text's place, in average characters
};

// Watches for modal windows while a test runs. One the test did not ask for
// is noted and closed, so the test fails instead of hanging.
class ModalWatch : public QObject {
public:
    ModalWatch();

    void start();
    // What appeared unasked since start(), empty when nothing did.
    QStringList stop();

    // Runs action, which must (at once or a little later) show a message box;
    // reads the box and presses its OK button. Empty if no box came.
    std::optional<ShownMessage> answerMessageBox(const std::function<void()>& action);

private:
    void look();

    QTimer timer_;
    bool expecting_ = false;
    std::optional<ShownMessage> answered_;
    QStringList unexpected_;
};

// A window's child by its object name. Without one the test stops, naming
// it, instead of crashing on the missing object.
template <typename Child = QWidget> Child& childOf(const QObject& parent, const QString& name) {
    auto* found = parent.findChild<Child*>(name);
    if (!found)
        qFatal("no child %s named %s", Child::staticMetaObject.className(), qPrintable(name));
    return *found;
}

// Picks an item from a combo box's list as a user does: opens the list,
// moves to the item and presses Enter.
void pickFromList(QComboBox& combo, const QString& item);

// The object name of the form control that holds the keyboard focus (a combo
// box's text part counts as the combo box).
QString focusedControl();

// What a control draws, without its window's background, at its pixel density.
QImage drawnBy(QWidget& control);

// What Qt's own label draws for a picture file stretched over a box of that size.
QImage drawnByQLabel(const QString& file, QSize size);

}  // namespace zelvar::test
