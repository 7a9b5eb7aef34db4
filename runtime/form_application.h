#pragma once

#include <QApplication>
#include <functional>

namespace zelvar {

// The application object of a program made of forms. Fonts the forms ask for
// resolve to installed faces, the program ends when its last window closes,
// and an exception that escapes any event handler is reported as a run-time
// error, after which the program ends, instead of aborting.
class FormApplication : public QApplication {
    Q_OBJECT

public:
    FormApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs start, which loads and shows the first window, then handles events
    // until the program ends; returns the process exit status.
    int run(const std::function<void()>& start);
};

}  // namespace zelvar
