#include "core/commandline/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

StartRequest Finish(int exitCode) {
  StartRequest request;
  request.kind = StartRequest::Kind::Finish;
  request.exitCode = exitCode;
  return request;
}

StartRequest UsageError(const QCommandLineParser& parser, const QString& message, QTextStream& err) {
  err << QStringLiteral("velmedit: ") << message << '\n' << '\n' << parser.helpText();
  err.flush();
  return Finish(kUsageExitCode);
}

}  // namespace

QString VersionText() { return QStringLiteral("velmedit ") + QStringLiteral(VELM_VERSION); }

StartRequest ReadCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Velmora 武将登录器：编辑新武将登录档 TPERSON.VMR。\n"
      "不开窗口的命令：\n"
      "  velmedit export TPERSON.VMR 输出.json|输出.csv [--slots 650-659,700]\n"
      "  velmedit import TPERSON.VMR 输入.json|输入.csv [--dry-run]\n"
      "  velmedit check TPERSON.VMR [--json]\n"
      "  velmedit diff A.VMR B.VMR"));
  // Our own help and version options rather than Qt's: theirs end the
  // process themselves, and their descriptions are not ours to word.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("显示本说明后退出。"));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("显示版本号后退出。"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("启动后打开的新武将登录档（TPERSON.VMR）。"),
                               QStringLiteral("[FILE]"));

  if (!parser.parse(arguments)) return UsageError(parser, parser.errorText(), err);
  if (parser.isSet(help)) {
    out << parser.helpText();
    out.flush();
    return Finish(0);
  }
  if (parser.isSet(version)) {
    out << VersionText() << '\n';
    out.flush();
    return Finish(0);
  }
  // Subcommands will be told apart here by the first positional argument.
  const QStringList positional = parser.positionalArguments();
  if (positional.size() > 1) {
    return UsageError(parser, QStringLiteral("只能打开一个文件，却给了 %1 个。").arg(positional.size()), err);
  }
  StartRequest request;
  if (!positional.isEmpty()) {
    if (positional.first().isEmpty()) return UsageError(parser, QStringLiteral("文件名是空的。"), err);
    request.file = positional.first();
  }
  return request;
}
