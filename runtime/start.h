#pragma once

#include "project_header.h"

namespace zelvar {

class FormApplication;

// Runs a program made of forms: creates the application object from the
// project header, loads and shows the start-up form, and handles events
// until the program ends (File > Exit, the last window closed, or a reported
// run-time error). Returns the process exit status, every form unloaded.
int startProgram(const ProjectHeader& project, int& argc, char** argv);

// The same on an application object that exists already.
int runProject(FormApplication& app, const ProjectHeader& project);

}  // namespace zelvar
