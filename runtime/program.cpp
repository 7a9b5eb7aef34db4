// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QIcon>
#include <exception>
#include <optional>
#include <stdexcept>

#include "accessible_presence.h"
#include "announcer.h"
#include "controls.h"
#include "deferred_icons.h"
#include "fonts.h"
#include "form_life.h"
#include "messages.h"
#include "pictures.h"
#include "text_box_accessibility.h"

namespace zelvar {
namespace {

// Only the user-interface thread ends the program.
std::optional<int> endedWith;

}  // namespace

QString versionText(const ProjectHeader& project) {
    return QStringLiteral("%1.%2.%3").arg(project.major).arg(project.minor).arg(project.revision);
}

FormApplication::FormApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installFontSubstitutes();
    installDeferredStyleIcons();
    installDropDownComboAccessibility();
    installTextBoxAccessibility();
    installAccessiblePresence();
    installAnnouncerAccessibility();
    setQuitOnLastWindowClosed(true);
}

FormApplication& FormApplication::current() {
    auto* app = qobject_cast<FormApplication*>(QCoreApplication::instance());
    if (!app)
        throw std::logic_error("forms need a FormApplication");
    return *app;
}

void FormApplication::setProject(const ProjectHeader& project) {
    project_ = project;
    setApplicationName(project.executableName);
    setApplicationDisplayName(project.title);
    setApplicationVersion(versionText(project));
    // Lets the desktop (Wayland's app id, X11 task bars) match our windows to our entry.
    setDesktopFileName(project.desktopFileName);
    setWindowIcon(iconWithSharpSizes(project.icon));
}

bool FormApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportUnhandledAndEnd(std::current_exception());
        return false;
    }
}

int FormApplication::run(const std::function<void()>& start) {
    endedWith.reset();
    // Under X11 Qt makes a window with the application's icon, every size of
    // it read and sent to the window manager, and only then gives it the
    // window's own. The first window has an icon of its own, so it is made
    // without the application's, which is read when a window first needs it.
    const QIcon icon = windowIcon();
    setWindowIcon(QIcon());
    try {
        start();
    } catch (...) {
        reportUnhandledAndEnd(std::current_exception());
    }
    setWindowIcon(icon);
    // An end before the loop started would otherwise be lost: exec() starts afresh.
    if (programEnded())
        return programExitCode();
    return exec();
}

int startProgram(const ProjectHeader& project, int& argc, char** argv) {
    FormApplication app(argc, argv);
    return runProject(app, project);
}

int runProject(FormApplication& app, const ProjectHeader& project) {
    app.setProject(project);
    const int status = app.run([&project] { showForm(project.startupForm()); });
    // Windows must go before the application object does.
    unloadAllForms();
    return status;
}

void endProgram(int exitCode) {
    endedWith = exitCode;
    QCoreApplication::exit(exitCode);
}

bool programEnded() {
    return endedWith.has_value();
}

int programExitCode() {
    return endedWith.value_or(0);
}

}  // namespace zelvar
