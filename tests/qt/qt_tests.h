// The Qt test classes, each run by the one test program.
#pragma once

int RunStartTests(int argc, char** argv);
int RunSelectionTests(int argc, char** argv);
int RunExecuteTests(int argc, char** argv);
int RunQuitTests(int argc, char** argv);
int RunBoxTests(int argc, char** argv);
int RunWinePrefixTests(int argc, char** argv);
