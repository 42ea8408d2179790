#pragma once
// The command-line side of the program: export, import, check and diff run
// without any window (no display needed) and end the program.
#include <QStringList>
#include <optional>
#include <ostream>

// Exit codes shared by the commands.
enum ExitCode : int {
  kExitOk = 0,
  kExitFindings = 1,  // check: findings; diff: differences; import: input refused
  kExitError = 2,     // usage, unreadable or unwritable files, files unlike officer files, no character table
};

// `arguments` without the program name, starting with the subcommand.
int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

bool IsSubcommand(const QString& word);
