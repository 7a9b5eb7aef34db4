#include "runtime/program.h"
#include "zelvar_project.h"

int main(int argc, char* argv[]) {
    return zelvar::startProgram(zelvar::zelvarProject(), argc, argv);
}
