// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTimer;

namespace zelvar {

class AutoSizeLabel;

// The splash window, the program's start-up form: pictures, the platform,
// the version and where to reach us. After four seconds, or at once at a key
// that types a character or a mouse click, it brings up the converter window and unloads
// itself. Constructing it loads it: its controls are built from the layout
// table and Form_Load has run before it is shown.
class FrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit FrmSplash(QWidget* parent = nullptr);

private slots:
    void Form_Load();
    void Form_KeyPress(char32_t keyAscii);
    void Form_Click();
    void Timer1_Timer();

private:
    void buildWindow();
    void bindEvents();
    void handOver();

    QTimer* Timer1 = nullptr;
    AutoSizeLabel* lblVersion = nullptr;
};

}  // namespace zelvar
