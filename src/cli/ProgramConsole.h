#pragma once
// The program's standard streams and arguments as a console user meets them.
//
// On Windows the program is a GUI-subsystem executable: it has no console of
// its own, and its C runtime would read arguments in the ANSI code page and
// turn "\n" into "\r\n". There the arguments come from the wide command line,
// and std::cout and std::cerr write either to the console the program was
// started from (as UTF-16 through WriteConsoleW) or, when redirected, to the
// file or pipe as UTF-8 with "\n" line ends, byte for byte what the Linux
// program writes. Elsewhere nothing changes.
#include <QStringList>

// Routes std::cout and std::cerr as above; call once, first thing in main().
void RouteStandardStreams();

// The arguments after the program name, as the user typed them.
QStringList ProgramArguments(int argc, char** argv);
