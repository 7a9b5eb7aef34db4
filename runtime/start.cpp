#include "start.h"

#include "form_application.h"
#include "form_lifetime.h"

namespace zelvar {

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

}  // namespace zelvar
