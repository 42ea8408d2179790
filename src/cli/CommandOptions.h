#pragma once
// What the commands without a window share in reading their command lines:
// each command's usage (its --help, and what follows every mistake), the
// mistakes said in Chinese rather than in QCommandLineParser's English, and
// --force.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <string>

// A mistake on a command's command line (UTF-8); RunCommand prints it with
// the command's usage on the error stream.
struct UsageError {
  std::string message;
};

// -h or --help: RunCommand prints the command's usage on the output stream.
struct HelpRequested {};

// The usage of `command` (export, import, check or diff): what it does, its
// arguments and each option.
std::string SubcommandUsage(const QString& command);

// One line for each command, "  velmedit diff A.VMR B.VMR [--force]\n", for
// the program's own usage.
QString SubcommandSynopses();

// --force: the command goes on with a file that may be no officer file.
QCommandLineOption ForceOption();

// What `parser`, given `options`, refused in `arguments` (the program's
// name first), in Chinese: "未知选项 --x", "选项 --slots 缺少值",
// "选项 --json 不带值".
QString OptionMistake(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                      const QStringList& arguments);

// Reads `arguments` (the program's name, the command, then its own) with
// `options`, -h and --help into `parser`. Throws HelpRequested when help is
// asked for, UsageError for a mistake or a number of files other than
// `fileCount` (any number for -1); returns the files.
QStringList ReadCommandArguments(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                                 const QStringList& arguments, int fileCount);
