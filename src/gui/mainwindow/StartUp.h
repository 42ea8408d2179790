#pragma once
// The steps of start-up that come before any window: naming the program,
// reading its command line and starting the window system.
#include <QString>
#include <memory>

#include "cli/CommandLine.h"

class QApplication;

// The name (which also names the user's configuration folder) and version
// that the program answers to.
void NameProgram();

// Reads the command line on a window-less application object, so that
// --help, --version and mistakes are answered without a display.
StartRequest ReadProgramCommandLine(int& argc, char** argv);

// Whether the environment names a display to open windows on. Only Linux
// and its relatives need one named; elsewhere there always is one.
bool DisplayNamed();

// The one line printed when there is no display to use.
QString NoDisplayMessage();

// Creates the application object. When the window system cannot be started
// (a display that cannot be reached, a platform plugin that fails), Qt's
// complaints give way to NoDisplayMessage() and the program ends with exit
// code 1 instead of aborting.
std::unique_ptr<QApplication> StartWindowSystem(int& argc, char** argv);
