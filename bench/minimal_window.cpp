// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up measurements: the least a Qt Widgets program does
// to put one window with one label on the screen.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Zelvar");
    label.resize(492, 283);
    label.show();
    return app.exec();
}
