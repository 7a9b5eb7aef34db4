// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

// A program made of forms, from start to end: who it is, its application
// object, its start and its end.
namespace zelvar {

// A program's static description, read once at start: who it is, which
// version, and which form comes up first.
struct ProjectHeader {
    QString title;            // the application title: message boxes, the main window
    QString executableName;   // the binary's name, also the application's name
    QString desktopFileName;  // its desktop entry, without ".desktop"
    QString icon;             // the application's icon, as a resource path

    std::int16_t major = 0;
    std::int16_t minor = 0;
    std::int16_t revision = 0;

    // Loads the start-up form (running its Form_Load) and returns it, not yet shown.
    std::function<QWidget&()> startupForm;
};

// Major, minor and revision as "1.5.2".
QString versionText(const ProjectHeader& project);

// The application object of a program made of forms. Fonts the forms ask for
// resolve to installed faces, the program ends when its last window closes,
// and an exception that escapes any event handler is reported as a run-time
// error, after which the program ends, instead of aborting.
class FormApplication : public QApplication {
    Q_OBJECT

public:
    FormApplication(int& argc, char** argv);

    // The running program's application object.
    static FormApplication& current();

    // Takes on the program's identity: its names, version, desktop entry and
    // icon. Until then the title is empty and the version 0.0.0.
    void setProject(const ProjectHeader& project);
    const ProjectHeader& project() const { return project_; }

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs start, which loads and shows the first window, then handles events
    // until the program ends; returns the process exit status.
    int run(const std::function<void()>& start);

private:
    ProjectHeader project_;
};

// Runs a program made of forms: creates the application object from the
// project header, loads and shows the start-up form, and handles events
// until the program ends (File > Exit, the last window closed, or a reported
// run-time error). Returns the process exit status, every form unloaded.
int startProgram(const ProjectHeader& project, int& argc, char** argv);

// The same on an application object that exists already.
int runProject(FormApplication& app, const ProjectHeader& project);

// Ends the program at once: every event loop returns, so no further event is
// handled, and the process exits with exitCode. Call it last in a handler.
void endProgram(int exitCode = 0);

// Whether endProgram ran since FormApplication::run last started, and with
// which exit status.
bool programEnded();
int programExitCode();

}  // namespace zelvar
