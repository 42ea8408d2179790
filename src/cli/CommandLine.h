#pragma once
// The program's command line: `velmedit [FILE]`, --help and --version.
// It is read before any window exists, so that the answers need no display.
#include <QString>
#include <QStringList>

#include "core/language/UiLanguage.h"

class QTextStream;

// What start-up does after the command line has been read.
struct StartRequest {
  enum class Kind {
    OpenEditor,  // open the editor window, on `file` when it is not empty
    Finish,      // everything has been answered: end with `exitCode`
  };
  Kind kind = Kind::OpenEditor;
  QString file;
  int exitCode = 0;
  UiLanguage language = UiLanguage::SimplifiedChinese;  // what the windows speak
};

// Exit code of a command line that cannot be understood (the usage follows
// on the error stream), as command-line tools commonly use it.
inline constexpr int kUsageExitCode = 2;

// "velmedit 1.0.0"
QString VersionText();

// The whole usage: the editor's options and the commands that run without a
// window. --help prints it; every mistake on the command line is followed by it.
QString UsageText();

// Reads `arguments` (the program's name first, --lang already taken out).
// Help and version go to `out`, mistakes with the usage to `err`.
StartRequest ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// A mistake on the command line: "velmedit: <message>", an empty line and
// the usage to `err`, ending with kUsageExitCode.
StartRequest FinishWithUsage(const QString& message, QTextStream& err);
