// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>

#include "runtime/qt_text.h"

namespace zelvar {

void openWindow(const std::optional<WrittenLength>& length, unsigned timestamp) {
    QProcess process;
    // ZELVAR_PROGRAM_FROM_PROVIDER is worked out by CMake from the install
    // folders, so a relocated prefix keeps working.
    process.setProgram(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" ZELVAR_PROGRAM_FROM_PROVIDER)));
    if (length) {
        const std::size_t lastWord = length->text.rfind(' ');
        process.setArguments({QStringLiteral("--show"), qtText(std::string_view(length->text).substr(0, lastWord)),
                              qtText(std::string_view(length->text).substr(lastWord + 1))});
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (timestamp != 0) {
        // Startup notification's form: the window manager compares the time
        // with the user's last action before it hands over the focus.
        environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"),
                           QStringLiteral(ZELVAR_SEARCH_PROVIDER_NAME "-%1_TIME%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(timestamp));
    }
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    // The bus has no way to say it to the desktop: the user's journal keeps
    // what the provider writes on stderr.
    if (!process.startDetached())
        std::fprintf(stderr, ZELVAR_SEARCH_PROVIDER_NAME ": cannot start %s: %s\n", qPrintable(process.program()),
                     qPrintable(process.errorString()));
}

}  // namespace zelvar
