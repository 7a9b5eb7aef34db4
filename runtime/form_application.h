#pragma once

#include <QApplication>
#include <functional>

#include "project_header.h"

namespace zelvar {

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

}  // namespace zelvar
