#include "cli/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include "cli/CommandOptions.h"
#include "cli/FaceCommands.h"

namespace {

// The texts are written in simplified Chinese; QT_TRANSLATE_NOOP shows them
// to lupdate, under the context the translations know them by.
QString Translated(const char* text) { return QCoreApplication::translate("CommandLine", text); }

StartRequest Finish(int exitCode) {
  StartRequest request;
  request.kind = StartRequest::Kind::Finish;
  request.exitCode = exitCode;
  return request;
}

}  // namespace

StartRequest FinishWithUsage(const QString& message, QTextStream& err) {
  err << QStringLiteral("velmedit: ") << message << '\n' << '\n' << UsageText();
  err.flush();
  return Finish(kUsageExitCode);
}

QString VersionText() { return QStringLiteral("velmedit ") + QStringLiteral(VELM_VERSION); }

QString UsageText() {
  return Translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "用法：velmedit [选项] [FILE]\n"
             "Velmora 武将登录器：编辑新武将登录档 TPERSON.VMR。\n"
             "不开窗口的命令（各命令的说明：velmedit <命令> --help）：\n")) +
         SubcommandSynopses() +
         Translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "  --force 也处理不像新武将档的文件（大于 28604 字节，或很多槽有不可能的值）；\n"
             "          不加时这样的文件被拒绝，什么也不写。\n"
             "头像（各命令的说明：velmedit faces <命令> --help）：\n")) +
         FaceCommandSynopses() +
         Translated(QT_TRANSLATE_NOOP(
             "CommandLine",
             "\n"
             "选项：\n"
             "  -h, --help     显示本说明后退出。\n"
             "  -v, --version  显示版本号后退出。\n"
             "  --lang 语言    界面和消息的语言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）。\n"
             "\n"
             "参数：\n"
             "  FILE           启动后打开的新武将登录档（TPERSON.VMR）。\n"));
}

StartRequest ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  // Our own help and version options rather than Qt's: theirs end the
  // process themselves, and Qt's help text is not ours to word.
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOption(help);
  parser.addOption(version);

  if (!parser.parse(arguments)) return FinishWithUsage(OptionMistake(parser, {help, version}, arguments), err);
  if (parser.isSet(help)) {
    out << UsageText();
    out.flush();
    return Finish(0);
  }
  if (parser.isSet(version)) {
    out << VersionText() << '\n';
    out.flush();
    return Finish(0);
  }
  // The commands without a window never come here: RunSubcommand takes them first.
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    return FinishWithUsage(Translated(QT_TRANSLATE_NOOP("CommandLine", "只能打开一个文件，却给了 %1 个。")).arg(positional.size()), err);
  }
  StartRequest request;
  if (!positional.isEmpty()) {
    if (positional.first().isEmpty()) return FinishWithUsage(Translated(QT_TRANSLATE_NOOP("CommandLine", "文件名是空的。")), err);
    request.file = positional.first();
  }
  return request;
}
