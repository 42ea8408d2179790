#include "cli/CommandOptions.h"

#include <QCoreApplication>

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("CommandOptions", text); }

struct CommandText {
  const char* name;
  const char* synopsis;  // after "velmedit "
  const char* body;      // what it does, its arguments and options
};

constexpr const char* kForceLine =
    QT_TRANSLATE_NOOP("CommandOptions",
                      "  --force            文件不像新武将档（大于 28604 字节，或很多槽有不可能的值）时仍然处理；\n"
                      "                     小于 28604 字节的文件总是拒绝。\n");
constexpr const char* kHelpLine = QT_TRANSLATE_NOOP("CommandOptions", "  -h, --help         显示本说明后退出。\n");

constexpr CommandText kCommands[] = {
    {"export", QT_TRANSLATE_NOOP("CommandOptions", "export TPERSON.VMR 输出.json|输出.csv [--slots 650-659,700] [--text simplified|traditional] [--force]"),
     QT_TRANSLATE_NOOP("CommandOptions",
                       "把新武将登录档中的武将写成交换文件，JSON 或 CSV 由文件名的结尾决定。\n"
                       "\n参数：\n"
                       "  TPERSON.VMR        要读取的新武将登录档，不会被改变。\n"
                       "  输出.json|输出.csv  要写出的交换文件；已有的同名文件会被替换。\n"
                       "\n选项：\n"
                       "  --slots 编号       只导出这些武将：650–759 之间的编号或范围，以逗号分隔，\n"
                       "                     例如 650-659,700；不给时导出全部 110 个槽。\n"
                       "  --text 写法        武将的名字和列传写成简体（simplified，默认）或繁体（traditional，\n"
                       "                     与游戏中所存的字完全相同）；import 两种都能读。\n")},
    {"import",
     QT_TRANSLATE_NOOP("CommandOptions", "import TPERSON.VMR 输入.json|输入.csv [--dry-run] [--encoding utf-8|gbk|big5] [--force]"),
     QT_TRANSLATE_NOOP("CommandOptions",
                       "把交换文件中的武将写入新武将登录档，并列出每一处改变；有任何错误时什么也不写。\n"
                       "保存前把原文件复制为 TPERSON.VMR.bak。\n"
                       "\n参数：\n"
                       "  TPERSON.VMR        要改变的新武将登录档。\n"
                       "  输入.json|输入.csv  交换文件，export 写出的格式；可以只含部分武将、部分字段。\n"
                       "\n选项：\n"
                       "  --dry-run          只列出会有的改变，不写任何文件。\n"
                       "  --encoding 编码    交换文件的编码：utf-8、gbk 或 big5；不给时自动判断。\n")},
    {"check", QT_TRANSLATE_NOOP("CommandOptions", "check TPERSON.VMR [--json] [--game 安装目录] [--force]"),
     QT_TRANSLATE_NOOP("CommandOptions",
                       "检查新武将登录档：列出不可能的值，以及值得一看的地方（提醒），例如同名的武将。\n"
                       "没有发现问题时退出码为 0，发现问题时为 1。\n"
                       "\n参数：\n"
                       "  TPERSON.VMR        要检查的新武将登录档，不会被改变。\n"
                       "\n选项：\n"
                       "  --json             以 JSON 写出报告。\n"
                       "  --game 安装目录    Velmora 的安装目录，用来检查头像；不给时从注册表中找。\n")},
    {"diff", "diff A.VMR B.VMR [--force]",
     QT_TRANSLATE_NOOP("CommandOptions",
                       "逐个槽列出两个新武将登录档中不同的字段（从 A 到 B）。\n"
                       "相同时退出码为 0，不同时为 1。\n"
                       "\n参数：\n"
                       "  A.VMR B.VMR        要比较的两个新武将登录档，都不会被改变。\n"
                       "\n选项：\n")},
};

// The option as the user wrote it: "--x" or "-x".
QString AsTyped(const QString& name, const QStringList& arguments) {
  for (const QString& dashes : {QStringLiteral("--"), QStringLiteral("-")}) {
    for (const QString& argument : arguments) {
      if (argument == dashes + name || argument.startsWith(dashes + name + u'=')) return dashes + name;
    }
  }
  return QStringLiteral("--") + name;
}

const QCommandLineOption* Named(const QList<QCommandLineOption>& options, const QString& name) {
  for (const QCommandLineOption& option : options) {
    if (option.names().contains(name)) return &option;
  }
  return nullptr;
}

// An option lacking its value or given one it does not take. QCommandLineParser
// takes whatever follows a value option as its value, so only the last
// argument can lack one.
QString ValueMistake(const QList<QCommandLineOption>& options, const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;
    if (!argument.startsWith(u'-') || argument.size() < 2) continue;
    const QString typed = argument.section(u'=', 0, 0);
    const QCommandLineOption* option = Named(options, typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1));
    if (!option) continue;
    const bool hasValue = argument.contains(u'=');
    if (option->valueName().isEmpty() && hasValue) return Translated(QT_TRANSLATE_NOOP("CommandOptions", "选项 %1 不带值")).arg(typed);
    if (!option->valueName().isEmpty() && !hasValue) {
      if (i + 1 == arguments.size()) return Translated(QT_TRANSLATE_NOOP("CommandOptions", "选项 %1 缺少值")).arg(typed);
      ++i;  // the value
    }
  }
  return {};
}

}  // namespace

std::string SubcommandUsage(const QString& command) {
  for (const CommandText& text : kCommands) {
    if (command != QLatin1String(text.name)) continue;
    const QString usage = Translated(QT_TRANSLATE_NOOP("CommandOptions", "用法：velmedit %1")).arg(Translated(text.synopsis));
    return (usage + u'\n' + Translated(text.body) + Translated(kForceLine) + Translated(kHelpLine)).toStdString();
  }
  return {};
}

QString SubcommandSynopses() {
  QString lines;
  for (const CommandText& text : kCommands) lines += QStringLiteral("  velmedit ") + Translated(text.synopsis) + u'\n';
  return lines;
}

QCommandLineOption ForceOption() { return QCommandLineOption(QStringLiteral("force")); }

QString OptionMistake(const QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                      const QStringList& arguments) {
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) {
    QStringList typed;
    for (const QString& name : unknown) typed << AsTyped(name, arguments);
    return Translated(QT_TRANSLATE_NOOP("CommandOptions", "未知选项 %1"))
        .arg(typed.join(Translated(QT_TRANSLATE_NOOP("CommandOptions", "、"))));
  }
  const QString mistake = ValueMistake(options, arguments);
  return mistake.isEmpty() ? Translated(QT_TRANSLATE_NOOP("CommandOptions", "命令行有误：%1")).arg(parser.errorText()) : mistake;
}

QStringList ReadCommandArguments(QCommandLineParser& parser, const QList<QCommandLineOption>& options,
                                 const QStringList& arguments, int fileCount) {
  QList<QCommandLineOption> all = options;
  all << QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  parser.addOptions(all);
  // "-json" reads as --json rather than as -j -s -o -n.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  if (!parser.parse(arguments)) throw UsageError{OptionMistake(parser, all, arguments).toStdString()};
  if (parser.isSet(QStringLiteral("help"))) throw HelpRequested{};
  const QStringList files = parser.positionalArguments().mid(1);  // after the command
  if (fileCount >= 0 && files.size() != fileCount) {
    throw UsageError{
        Translated(QT_TRANSLATE_NOOP("CommandOptions", "需要 %1 个文件，却给了 %2 个")).arg(fileCount).arg(files.size()).toStdString()};
  }
  return files;
}
