#include "gui/exchange/ExchangeCommands.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <optional>
#include <vector>

#include "core/document/DocumentExchange.h"
#include "core/document/OfficerDocument.h"
#include "core/document/OfficerListModel.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "gui/exchange/ImportPreviewDialog.h"
#include "gui/widgets/DialogSeam.h"

namespace {

// The commands' texts have their own translation context.
struct ExchangeCommands {
  Q_DECLARE_TR_FUNCTIONS(ExchangeCommands)
};

QString ExchangeFilter() {
  return ExchangeCommands::tr("武将交换文件 (*.json *.csv);;JSON (*.json);;CSV (*.csv)");
}

bool RequireFile(QWidget* parent, const OfficerDocument& document) {
  if (document.HasFile()) return true;
  seam::ShowMessage(parent, ExchangeCommands::tr("请先打开新武将登陆文件！"));
  return false;
}

// The format of a chosen exchange file; nullopt when the dialog was
// cancelled or, after saying so, when the name has another ending.
std::optional<ExchangeFormat> FormatOfChosen(QWidget* parent, const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  const std::optional<ExchangeFormat> format = ExchangeFormatForPath(path);
  if (!format) seam::ShowMessage(parent, ExchangeCommands::tr("文件名应以 .json 或 .csv 结尾"));
  return format;
}

void ShowErrors(QWidget* parent, const ExchangeReadResult& read, const std::vector<ExchangeError>& errors) {
  QString text = ExchangeCommands::tr("未导入，有 %1 处错误，没有任何改变：\n").arg(errors.size());
  for (const std::string& note : read.notes) text += QString::fromStdString(note) + u'\n';
  for (const std::string& line : ExchangeErrorLines(errors)) text += QString::fromStdString(line) + u'\n';
  seam::ShowMessage(parent, seam::Message{seam::ApplicationTitle(), text, seam::MessageKind::Error});
}

// The file read in the encoding the player confirms when the reading was
// not certain; nullopt when the player cancels.
std::optional<ExchangeReadResult> ReadConfirmed(QWidget* parent, const QString& path, ExchangeFormat format) {
  ExchangeReadResult read = ReadExchangeFile(path, format);
  if (!read.encodingUncertain) return read;
  const QString question =
      ExchangeCommands::tr("不能确定文件的编码：按 UTF-8 或按 GBK 读取都像武将的文字。\n"
                           "用记事本“ANSI”或中文表格程序默认方式保存的文件是 GBK，另存为“UTF-8”的是 UTF-8。按哪种编码读取？");
  const int answer = seam::Ask(parent, question, {QStringLiteral("UTF-8"), QStringLiteral("GBK"), ExchangeCommands::tr("取消")});
  if (answer == 2) return std::nullopt;
  read = ReadExchangeFile(path, format, answer == 0 ? TextEncoding::Utf8 : TextEncoding::Gbk);
  const QString note = ExchangeCommands::tr("按 %1 编码读取（已确认）").arg(QString::fromStdString(TextEncodingName(read.encoding)));
  read.notes.insert(read.notes.begin(), note.toStdString());
  return read;
}

// The slots to export: all of them (empty), or, while the list shows some
// but not all, those it shows when the player says so; nullopt for 取消.
std::optional<std::vector<int>> ChooseExportedSlots(QWidget* parent, const OfficerListModel& list) {
  std::vector<int> listed;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    if (list.SlotVisible()[static_cast<std::size_t>(slot)]) listed.push_back(slot);
  }
  if (listed.empty() || listed.size() == kSlotCount) return std::vector<int>{};
  const QString question =
      ExchangeCommands::tr("导出全部 %1 位武将，还是只导出列表中的 %2 位？").arg(kSlotCount).arg(listed.size());
  const int answer = seam::Ask(
      parent, question, {ExchangeCommands::tr("全部"), ExchangeCommands::tr("只导出列表中的"), ExchangeCommands::tr("取消")});
  if (answer == 0) return std::vector<int>{};
  if (answer == 1) return listed;
  return std::nullopt;
}

}  // namespace

void ExportOfficers(QWidget* parent, const OfficerListModel& list) {
  const OfficerDocument& document = list.Document();
  if (!RequireFile(parent, document)) return;
  const std::optional<std::vector<int>> chosenSlots = ChooseExportedSlots(parent, list);
  if (!chosenSlots) return;
  const QString path = seam::AskSaveFileName(parent, ExchangeFilter());
  const std::optional<ExchangeFormat> format = FormatOfChosen(parent, path);
  if (!format) return;
  const ExchangeDocument exported = ExportTable(document, *chosenSlots);
  WriteExchangeFile(path, WriteExchangeBytes(exported, *format));
  seam::ShowMessage(parent, ExchangeCommands::tr("已导出 %1 位武将").arg(exported.officers.size()));
}

void ImportOfficers(QWidget* parent, OfficerDocument& document) {
  if (!RequireFile(parent, document)) return;
  const QString path = seam::AskOpenFileName(parent, ExchangeFilter());
  const std::optional<ExchangeFormat> format = FormatOfChosen(parent, path);
  if (!format) return;
  const std::optional<ExchangeReadResult> read = ReadConfirmed(parent, path, *format);
  if (!read) return;
  if (!read->Ok()) return ShowErrors(parent, *read, read->errors);
  const ImportDecision decision = DecideImportInto(document, read->document);
  if (!decision.Accepted()) return ShowErrors(parent, *read, decision.errors);
  if (decision.changes.Empty()) {
    seam::ShowMessage(parent, ExchangeCommands::tr("没有要改变的内容"));
    return;
  }
  ImportPreviewDialog preview(decision, read->notes, document.TextScript(), parent);
  if (seam::RunModal(&preview) != QDialog::Accepted) return;
  ApplyImport(document, decision, QFileInfo(path).fileName().toStdString());
}
