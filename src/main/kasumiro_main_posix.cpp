// Program entry of kasumiro, the Linux program.
#include "ui/qt/qt_program.h"

int main(int argc, char** argv) { return RunKasumiroProgram(argc, argv); }
