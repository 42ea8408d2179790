// The command line as start-up reads it, before any window exists.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/CommandLine.h"

namespace {

struct Answer {
  StartRequest request;
  QString out;
  QString err;
};

Answer Read(QStringList arguments) {
  Answer answer;
  QTextStream out(&answer.out);
  QTextStream err(&answer.err);
  arguments.prepend(QStringLiteral("velmedit"));
  answer.request = ReadCommandLine(arguments, out, err);
  return answer;
}

}  // namespace

TEST(CommandLine, HelpAndVersionAnswerAndFinish) {
  for (const QStringList& arguments : {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
                                       QStringList{QStringLiteral("TPERSON.VMR"), QStringLiteral("--help")}}) {
    SCOPED_TRACE(arguments.join(u' ').toStdString());
    const Answer answer = Read(arguments);
    EXPECT_EQ(answer.request.kind, StartRequest::Kind::Finish);
    EXPECT_EQ(answer.request.exitCode, 0);
    EXPECT_TRUE(answer.out.contains(QStringLiteral("[FILE]")));
    EXPECT_TRUE(answer.out.contains(QStringLiteral("--version")));
    // the commands without a window, with every option they take
    EXPECT_TRUE(answer.out.contains(QStringLiteral("velmedit check TPERSON.VMR [--json] [--game 安装目录] [--force]\n")));
    EXPECT_TRUE(answer.out.contains(QStringLiteral("velmedit <命令> --help")));
    EXPECT_TRUE(answer.out.contains(QStringLiteral("\n  --force ")));
    EXPECT_TRUE(answer.err.isEmpty());
  }
  for (const char* option : {"--version", "-v"}) {
    const Answer answer = Read({QString::fromLatin1(option)});
    EXPECT_EQ(answer.request.kind, StartRequest::Kind::Finish);
    EXPECT_EQ(answer.request.exitCode, 0);
    EXPECT_EQ(answer.out, VersionText() + u'\n');
    EXPECT_TRUE(answer.err.isEmpty());
  }
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^velmedit \\d+\\.\\d+\\.\\d+$")).match(VersionText()).hasMatch());
}

TEST(CommandLine, NamesTheFileToOpen) {
  Answer answer = Read({});
  EXPECT_EQ(answer.request.kind, StartRequest::Kind::OpenEditor);
  EXPECT_EQ(answer.request.file, QString());

  answer = Read({QString::fromUtf8("存档/TPERSON.VMR")});
  EXPECT_EQ(answer.request.kind, StartRequest::Kind::OpenEditor);
  EXPECT_EQ(answer.request.file, QString::fromUtf8("存档/TPERSON.VMR"));

  // After "--" a file may be named like an option.
  answer = Read({QStringLiteral("--"), QStringLiteral("--help")});
  EXPECT_EQ(answer.request.kind, StartRequest::Kind::OpenEditor);
  EXPECT_EQ(answer.request.file, QStringLiteral("--help"));
  EXPECT_TRUE(answer.out.isEmpty());
  EXPECT_TRUE(answer.err.isEmpty());
}

TEST(CommandLine, MistakesFinishWithTheUsageOnTheErrorStream) {
  const QStringList mistakes[] = {
      {QStringLiteral("--bogus")},
      {QStringLiteral("-x"), QStringLiteral("TPERSON.VMR")},
      {QStringLiteral("--version=2")},
      {QStringLiteral("one.VMR"), QStringLiteral("two.VMR")},
      {QString()},
  };
  for (const QStringList& arguments : mistakes) {
    SCOPED_TRACE(arguments.join(u' ').toStdString());
    const Answer answer = Read(arguments);
    EXPECT_EQ(answer.request.kind, StartRequest::Kind::Finish);
    EXPECT_EQ(answer.request.exitCode, kUsageExitCode);
    EXPECT_TRUE(answer.out.isEmpty());
    EXPECT_TRUE(answer.err.startsWith(QStringLiteral("velmedit: ")));
    EXPECT_TRUE(answer.err.contains(QStringLiteral("[FILE]")));  // the usage follows
  }
  EXPECT_TRUE(Read({QStringLiteral("--bogus")}).err.startsWith(QStringLiteral("velmedit: 未知选项 --bogus\n")));
  EXPECT_TRUE(Read({QStringLiteral("-x")}).err.startsWith(QStringLiteral("velmedit: 未知选项 -x\n")));
  EXPECT_TRUE(Read({QStringLiteral("--version=2")}).err.startsWith(QStringLiteral("velmedit: 选项 --version 不带值\n")));
}
