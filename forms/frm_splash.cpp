// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_splash.h"

#include <QIcon>
#include <QTimer>

#include "form_builder.h"
#include "forms.h"
#include "frm_splash_layout.h"
#include "runtime/controls.h"
#include "runtime/fonts.h"
#include "runtime/form_input.h"
#include "runtime/form_life.h"
#include "runtime/messages.h"
#include "runtime/program.h"
#include "runtime/qt_text.h"
#include "runtime/twips.h"

namespace zelvar {
FrmSplash::FrmSplash(QWidget* parent) : QWidget(parent) {
    buildWindow();
    bindEvents();
    Form_Load();
    centreOnScreen(*this);
}

void FrmSplash::buildWindow() {
    setObjectName(qtText(frm_splash::kName));
    setWindowTitle(qtText(frm_splash::kCaption));
    setWindowIcon(QIcon(qtText(frm_splash::kIcon)));
    // No title bar, yet an ordinary top-level window, which window managers
    // give the keyboard focus (splash-screen and tool windows may never get it).
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(twipsSize(frm_splash::kClientWidth, frm_splash::kClientHeight));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFont(makeFont(kDialogFont));
    // Having no title, the window is announced to screen readers by the
    // program's name and version.
    const ProjectHeader& app = FormApplication::current().project();
    setAccessibleName(app.title + QStringLiteral(" ") + versionText(app));

    Timer1 = createFormTimer(*this, frm_splash::kTimer1.intervalMs);
    Timer1->setObjectName(qtText(frm_splash::kTimer1.name));
    buildControls(*this, frm_splash::kControls);

    // The labels are opaque on button face over the backdrop, each as wide
    // as its text in the fonts this system has. They measure their text as
    // the window is first painted: the font database this loads is the
    // largest part of start-up, and the splash should be on screen first.
    for (AutoSizeLabel* label : findChildren<AutoSizeLabel*>()) {
        label->setBackgroundRole(QPalette::Button);
        label->setAutoFillBackground(true);
        label->fitAtFirstPaint();
        label->setCaption(label->text());
    }
    lblVersion = findChild<AutoSizeLabel*>(QStringLiteral("lblVersion"));
    Q_ASSERT(lblVersion);
}

void FrmSplash::bindEvents() {
    new KeyPreview(*this, [this](char32_t keyAscii) { runHandler([&] { Form_KeyPress(keyAscii); }); });
    onClickAnywhere(*this, [this] { runHandler([&] { Form_Click(); }); });
    bindHandler(Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
}

// Runs once, as the window is loaded, before it is first shown.
void FrmSplash::Form_Load() {
    const ProjectHeader& app = FormApplication::current().project();
    lblVersion->setCaption(QStringLiteral("Version ") + versionText(app));
}

// Any key that types a character; the key goes no further.
void FrmSplash::Form_KeyPress(char32_t /*keyAscii*/) {
    handOver();
}

// A click anywhere on the window, as impatient as a key.
void FrmSplash::Form_Click() {
    handOver();
}

void FrmSplash::Timer1_Timer() {
    handOver();
}

// The converter window comes up before the splash goes, so the program never
// stands without a window; unloading stops the timer, so this runs once.
void FrmSplash::handOver() {
    showForm(frmConver());
    unloadForm(*this);
}

}  // namespace zelvar
