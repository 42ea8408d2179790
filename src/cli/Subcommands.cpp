#include "cli/Subcommands.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <stdexcept>

#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/FaceCommands.h"
#include "cli/ProgramConsole.h"
#include "cli/ProgramLanguage.h"
#include "core/check/ConsistencyCheck.h"
#include "core/check/FileDoubt.h"
#include "core/document/DocumentExchange.h"
#include "core/document/OfficerDocument.h"
#include "core/convert/Jislib.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "core/faces/FaceArchivePair.h"
#include "core/faces/InstallRegistry.h"
#include "core/language/CoreText.h"
#include "core/officers/BackupFolder.h"
#include "core/officers/OfficerFile.h"

namespace {

// Officers named in findings as the interface language shows them: stored
// Big5 as it is in traditional Chinese and English.
OfficerTextScript ShownScript() { return TextScriptFor(CurrentUiLanguage()); }

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("Subcommands", text, pieces); }

std::filesystem::path PathOf(const QString& path) { return path.toStdU16String(); }

// path.string() would be the ANSI code page on Windows; the output is UTF-8.
std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

const QString kForce = QStringLiteral("force");

// A file that may be no officer file is left alone unless --force says it is one.
void RefuseDoubtful(const QString& path, const std::vector<FileDoubt>& doubts, bool force) {
  if (doubts.empty() || force) return;
  // The size's explanation names the file; the others do not (the window
  // asks about the file just chosen), but diff has two.
  std::string explanation;
  if (doubts.front().kind != FileDoubt::Kind::Size)
    explanation = Tr(QT_TRANSLATE_NOOP("Subcommands", "%1："), {ShownFileName(path).toStdString()});
  for (const FileDoubt& doubt : doubts) explanation += Tr(QT_TRANSLATE_NOOP("Subcommands", "%1；"), {doubt.explanation});
  throw std::runtime_error(Tr(QT_TRANSLATE_NOOP("Subcommands", "%1未处理（确是新武将档时加 --force）"), {explanation}));
}

std::vector<unsigned char> LoadHead(const QString& path, bool force) {
  std::vector<unsigned char> head = LoadOfficerFileHead(PathOf(path));
  RefuseDoubtful(path, DoubtsAboutFile(path, head), force);
  return head;
}

// Opens the file as the window does, refusing where the window would ask.
void OpenDocument(OfficerDocument& officers, const QString& path, bool force) {
  officers.Open(path, [&path, force](const std::vector<FileDoubt>& doubts) {
    RefuseDoubtful(path, doubts, force);
    return true;
  });
}

// "650-659,700" as slots 0-9 and 50.
std::vector<int> ParseSlotList(const QString& text) {
  std::vector<int> chosen;
  for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
    const QStringList ends = part.trimmed().split(u'-');
    bool okFirst = false, okLast = ends.size() == 1;
    const int first = ends.front().toInt(&okFirst);
    const int last = ends.size() == 2 ? ends.back().toInt(&okLast) : first;
    const int lastNumber = kFirstNewOfficer + static_cast<int>(kSlotCount) - 1;
    if (!okFirst || !okLast || ends.size() > 2 || first < kFirstNewOfficer || last > lastNumber || first > last) {
      throw UsageError{
          Tr(QT_TRANSLATE_NOOP("Subcommands", "--slots 应为 650–759 之间的编号或范围，例如 650-659,700：%1"), {part.toStdString()})};
    }
    for (int n = first; n <= last; ++n) {
      if (std::find(chosen.begin(), chosen.end(), n - kFirstNewOfficer) == chosen.end()) chosen.push_back(n - kFirstNewOfficer);
    }
  }
  if (chosen.empty()) throw UsageError{Tr(QT_TRANSLATE_NOOP("Subcommands", "--slots 没有给出编号"))};
  return chosen;
}

ExchangeFormat FormatOf(const QString& path) {
  const std::optional<ExchangeFormat> format = ExchangeFormatForPath(path);
  if (!format) throw UsageError{Tr(QT_TRANSLATE_NOOP("Subcommands", "交换文件名应以 .json 或 .csv 结尾：%1"), {path.toStdString()})};
  return *format;
}

// --text: the script officer texts are exported in; simplified when not given.
OfficerTextScript TextScriptOption(const QCommandLineParser& parser) {
  const QString text = parser.value(QStringLiteral("text"));
  if (!parser.isSet(QStringLiteral("text")) || text == QLatin1String("simplified")) return OfficerTextScript::Simplified;
  if (text == QLatin1String("traditional")) return OfficerTextScript::Traditional;
  throw UsageError{Tr(QT_TRANSLATE_NOOP("Subcommands", "--text 应为 simplified 或 traditional：%1"), {text.toStdString()})};
}

int Export(const QStringList& arguments, std::ostream& out) {
  QCommandLineParser parser;
  const QStringList files = ReadCommandArguments(parser,
                                                 {{QStringLiteral("slots"), QString(), QStringLiteral("numbers")},
                                                  {QStringLiteral("text"), QString(), QStringLiteral("script")},
                                                  ForceOption()},
                                                 arguments, 2);
  const ExchangeFormat format = FormatOf(files[1]);
  const OfficerTextScript script = TextScriptOption(parser);
  const std::vector<int> chosen = parser.isSet(QStringLiteral("slots")) ? ParseSlotList(parser.value(QStringLiteral("slots")))
                                                                        : std::vector<int>{};
  OfficerDocument officers;
  OpenDocument(officers, files[0], parser.isSet(kForce));
  officers.SetTextScript(script);
  const ExchangeDocument document = ExportTable(officers, chosen);
  WriteExchangeFile(files[1], WriteExchangeBytes(document, format));
  out << Tr(QT_TRANSLATE_NOOP("Subcommands", "已导出 %1 位武将到 %2"), {std::to_string(document.officers.size()), files[1].toStdString()})
      << "\n";
  return kExitOk;
}

int Import(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  QCommandLineParser parser;
  const QStringList files = ReadCommandArguments(
      parser, {{QStringLiteral("dry-run"), QString()}, {QStringLiteral("encoding"), QString(), QStringLiteral("name")}, ForceOption()},
      arguments, 2);
  const ExchangeFormat format = FormatOf(files[1]);
  std::optional<TextEncoding> encoding;
  if (parser.isSet(QStringLiteral("encoding"))) {
    encoding = TextEncodingNamed(parser.value(QStringLiteral("encoding")));
    if (!encoding)
      throw UsageError{Tr(QT_TRANSLATE_NOOP("Subcommands", "--encoding 应为 utf-8、gbk 或 big5：%1"),
                          {parser.value(QStringLiteral("encoding")).toStdString()})};
  }
  OfficerDocument officers;
  OpenDocument(officers, files[0], parser.isSet(kForce));
  const ExchangeReadResult read = ReadExchangeFile(files[1], format, encoding);
  ImportDecision decision;
  if (read.Ok()) decision = DecideImportInto(officers, read.document);
  const std::vector<ExchangeError>& errors = read.Ok() ? decision.errors : read.errors;
  for (const std::string& note : read.notes) (errors.empty() ? out : err) << note << "\n";
  if (!errors.empty()) {
    for (const std::string& line : ExchangeErrorLines(errors)) err << line << "\n";
    err << Tr(QT_TRANSLATE_NOOP("Subcommands", "未导入：有 %1 处错误，文件没有改变"), {std::to_string(errors.size())}) << "\n";
    return kExitFindings;
  }
  const OfficerTable before = TableOfHead(decision.changes.before);
  const OfficerTable after = TableOfHead(decision.changes.after);
  for (const FieldChange& change : decision.changes.changes) out << FormatChange(change, before, after, ShownScript()) << "\n";
  for (const Finding& note : decision.notes) out << FormatFinding(note, after, ShownScript()) << "\n";
  if (decision.changes.Empty()) {
    out << Tr(QT_TRANSLATE_NOOP("Subcommands", "没有要改变的内容")) << "\n";
  } else if (parser.isSet(QStringLiteral("dry-run"))) {
    out << Tr(QT_TRANSLATE_NOOP("Subcommands", "试运行：%1 处改变，文件没有改变"), {std::to_string(decision.changes.changes.size())})
        << "\n";
  } else {
    // Saved as the window saves: the file's header and preserved bytes
    // stay, every slot with a type gets its save mark.
    ApplyImport(officers, decision, files[1].toStdString());
    // A file changed since it was read above is refused, not overwritten.
    officers.Save();
    out << Tr(QT_TRANSLATE_NOOP("Subcommands", "已保存 %1 处改变；原文件备份为 %2"),
              {std::to_string(decision.changes.changes.size()), Utf8Of(BackupPathFor(PathOf(files[0])))})
        << "\n";
    if (const auto& copy = officers.LastDatedCopy()) {
      const std::string name = BackupCopyShownName(copy->copy);
      out << (copy->made ? Tr(QT_TRANSLATE_NOOP("Subcommands", "保存前的文件复制为 %1"), {name})
                         : Tr(QT_TRANSLATE_NOOP("Subcommands", "保存前的文件与已有副本相同：%1"), {name}))
          << "\n";
    }
  }
  return kExitOk;
}

int Check(const QStringList& arguments, std::ostream& out) {
  QCommandLineParser parser;
  const QStringList files = ReadCommandArguments(
      parser, {{QStringLiteral("json"), QString()}, {QStringLiteral("game"), QString(), QStringLiteral("folder")}, ForceOption()},
      arguments, 1);
  const std::vector<unsigned char> head = LoadHead(files[0], parser.isSet(kForce));
  QString game = parser.value(QStringLiteral("game"));
  if (!game.isEmpty() && !QFileInfo(game).isDir())
    throw UsageError{Tr(QT_TRANSLATE_NOOP("Subcommands", "--game 不是一个文件夹：%1"), {game.toStdString()})};
  if (game.isEmpty()) game = ReadRegistryInstallDir().value_or(QString());
  FaceArchivePair archives;
  if (!game.isEmpty()) archives.Open(game);
  const OfficerTable table = TableOfHead(head);
  const std::vector<Finding> findings = CheckOfficerTable(table, &archives);
  if (parser.isSet(QStringLiteral("json"))) {
    QJsonArray list;
    for (const Finding& f : findings) {
      list.append(QJsonObject{{QStringLiteral("slot"), f.slot},
                              {QStringLiteral("number"), f.slot + kFirstNewOfficer},
                              {QStringLiteral("field"), f.field ? QString::fromUtf8(f.field->key) : QString()},
                              {QStringLiteral("kind"), QString::fromUtf8(f.kind)},
                              {QStringLiteral("severity"), f.suspicious ? QStringLiteral("warning") : QStringLiteral("finding")},
                              {QStringLiteral("message"), QString::fromStdString(f.message)}});
    }
    out << QJsonDocument(QJsonObject{{QStringLiteral("findings"), list}}).toJson().toStdString();
  } else {
    for (const Finding& f : findings) out << FormatFinding(f, table, ShownScript()) << "\n";
    out << (findings.empty() ? Tr(QT_TRANSLATE_NOOP("Subcommands", "没有发现问题"))
                             : Tr(QT_TRANSLATE_NOOP("Subcommands", "发现 %1 处问题"), {std::to_string(findings.size())}))
        << "\n";
  }
  return findings.empty() ? kExitOk : kExitFindings;
}

int Diff(const QStringList& arguments, std::ostream& out) {
  QCommandLineParser parser;
  const QStringList files = ReadCommandArguments(parser, {ForceOption()}, arguments, 2);
  const bool force = parser.isSet(kForce);
  const std::vector<unsigned char> before = LoadHead(files[0], force);
  const ChangeSet changes = CompareFileHeads(before, LoadHead(files[1], force));
  const OfficerTable was = TableOfHead(changes.before);
  const OfficerTable after = TableOfHead(changes.after);
  for (const FieldChange& change : changes.changes) out << FormatChange(change, was, after, ShownScript()) << "\n";
  if (changes.Empty()) out << Tr(QT_TRANSLATE_NOOP("Subcommands", "两个文件的武将数据相同")) << "\n";
  return changes.Empty() ? kExitOk : kExitFindings;
}

}  // namespace

bool IsSubcommand(const QString& word) {
  return word == QLatin1String("export") || word == QLatin1String("import") || word == QLatin1String("check") ||
         word == QLatin1String("diff") || word == QLatin1String("faces");
}

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.isEmpty() || !IsSubcommand(arguments.front())) {
    err << UsageText().toStdString();
    return kExitError;
  }
  // QCommandLineParser takes the program name first.
  const QStringList withProgram = QStringList{QStringLiteral("velmedit")} + arguments;
  const QString& command = arguments.front();
  if (command == QLatin1String("faces")) return RunFaceCommand(arguments, out, err);
  try {
    LoadConversionTable();
    if (command == QLatin1String("export")) return Export(withProgram, out);
    if (command == QLatin1String("import")) return Import(withProgram, out, err);
    if (command == QLatin1String("check")) return Check(withProgram, out);
    return Diff(withProgram, out);
  } catch (const HelpRequested&) {
    out << SubcommandUsage(command);
    return kExitOk;
  } catch (const UsageError& e) {
    err << e.message << "\n\n" << SubcommandUsage(command);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
  }
  return kExitError;
}
