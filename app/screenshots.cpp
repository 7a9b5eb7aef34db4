// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the splash window and the converter window, after 1 LEAGUE has
// been converted, into PNG files: zelvar_screenshots OUTPUT_DIR. Run it on
// the offscreen platform (make screenshots does).

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "forms/forms.h"
#include "runtime/form_life.h"
#include "runtime/program.h"
#include "zelvar_project.h"

namespace {

bool save(QWidget& window, const QDir& dir, const QString& name) {
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "zelvar_screenshots: %s was never shown\n", qPrintable(window.objectName()));
        return false;
    }
    const QString path = dir.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "zelvar_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Types the number, picks the unit from the list with the arrow key and
// presses CONVERT, as a user would.
bool convertOneLeague(zelvar::FrmConver& window) {
    auto* entry = window.findChild<QLineEdit*>(QStringLiteral("txtUserData"));
    auto* units = window.findChild<QComboBox*>(QStringLiteral("cboMeasures"));
    auto* convert = window.findChild<QPushButton*>(QStringLiteral("cmdConvert"));
    QTest::keyClicks(entry, QStringLiteral("1"));
    QTest::keyClick(units, Qt::Key_Down);  // the first unit in the list
    if (units->currentText() != QStringLiteral("LEAGUE")) {
        std::fprintf(stderr, "zelvar_screenshots: the first unit is %s, not LEAGUE\n",
                     qPrintable(units->currentText()));
        return false;
    }
    QTest::mouseClick(convert, Qt::LeftButton);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    zelvar::FormApplication app(argc, argv);
    app.setProject(zelvar::zelvarProject());
    if (argc != 2) {
        std::fprintf(stderr, "usage: zelvar_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "zelvar_screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    zelvar::FrmSplash& splash = zelvar::frmSplash();
    zelvar::showForm(splash);
    bool ok = save(splash, dir, QStringLiteral("splash.png"));

    zelvar::FrmConver& window = zelvar::frmConver();
    zelvar::showForm(window);
    ok = ok && convertOneLeague(window) && save(window, dir, QStringLiteral("main-window.png"));

    zelvar::unloadAllForms();
    return ok ? 0 : 1;
}
