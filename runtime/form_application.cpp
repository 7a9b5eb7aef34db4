#include "form_application.h"

#include <QIcon>
#include <exception>
#include <stdexcept>

#include "drop_down_combo.h"
#include "fonts.h"
#include "handler_guard.h"
#include "program_end.h"

namespace zelvar {

FormApplication::FormApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installFontSubstitutes();
    installDropDownComboAccessibility();
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
    setWindowIcon(QIcon(project.icon));
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
    forgetProgramEnd();
    try {
        start();
    } catch (...) {
        reportUnhandledAndEnd(std::current_exception());
    }
    // An end before the loop started would otherwise be lost: exec() starts afresh.
    if (programEnded())
        return programExitCode();
    return exec();
}

}  // namespace zelvar
