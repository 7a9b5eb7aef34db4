// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace zelvar {

void openWindow(const std::optional<LengthQuery>& query, unsigned timestamp) {
    QProcess process;
    // ZELVAR_PROGRAM_FROM_PROVIDER is worked out by CMake from the install
    // folders, so a relocated prefix keeps working.
    process.setProgram(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" ZELVAR_PROGRAM_FROM_PROVIDER)));
    if (query) {
        process.setArguments(
            {QStringLiteral("--show"), QString::fromStdString(query->number),
             QString::fromUtf8(unitName(query->unit).data(), qsizetype(unitName(query->unit).size()))});
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (timestamp != 0) {
        // Startup notification's form: the window manager compares the time
        // with the user's last action before it hands over the focus.
        environment.insert(
            QStringLiteral("DESKTOP_STARTUP_ID"),
            QStringLiteral("zelvar-search-%1_TIME%2").arg(QCoreApplication::applicationPid()).arg(timestamp));
    }
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.startDetached();
}

}  // namespace zelvar
