#include "gui/exchange/ExchangeCommands.h"

#include <QDialog>
#include <QFileInfo>

#include "core/document/OfficerDocument.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExchangeImport.h"
#include "gui/exchange/ImportPreviewDialog.h"
#include "gui/widgets/DialogSeam.h"

namespace {

const QString kFilter = QStringLiteral("武将交换文件 (*.json *.csv);;JSON (*.json);;CSV (*.csv)");
constexpr std::size_t kErrorsShown = 20;

bool RequireFile(QWidget* parent, const OfficerDocument& document) {
  if (document.HasFile()) return true;
  seam::ShowMessage(parent, QStringLiteral("请先打开新武将登陆文件！"));
  return false;
}

// The format of a chosen exchange file; nullopt when the dialog was
// cancelled or, after saying so, when the name has another ending.
std::optional<ExchangeFormat> FormatOfChosen(QWidget* parent, const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  const std::optional<ExchangeFormat> format = ExchangeFormatForPath(path);
  if (!format) seam::ShowMessage(parent, QStringLiteral("文件名应以 .json 或 .csv 结尾"));
  return format;
}

void ShowErrors(QWidget* parent, const std::vector<ExchangeError>& errors) {
  QString text = QStringLiteral("未导入，有 %1 处错误，没有任何改变：\n").arg(errors.size());
  for (std::size_t i = 0; i < errors.size() && i < kErrorsShown; ++i) {
    text += QString::fromStdString(FormatExchangeError(errors[i])) + u'\n';
  }
  if (errors.size() > kErrorsShown) text += QStringLiteral("……");
  seam::ShowMessage(parent, seam::Message{seam::ApplicationTitle(), text, seam::MessageKind::Error});
}

}  // namespace

void ExportOfficers(QWidget* parent, OfficerDocument& document) {
  if (!RequireFile(parent, document)) return;
  const QString path = seam::AskSaveFileName(parent, kFilter);
  const std::optional<ExchangeFormat> format = FormatOfChosen(parent, path);
  if (!format) return;
  const ExchangeDocument exported = document.Export();
  WriteExchangeFile(path, WriteExchangeBytes(exported, *format));
  seam::ShowMessage(parent, QStringLiteral("已导出 %1 位武将").arg(exported.officers.size()));
}

void ImportOfficers(QWidget* parent, OfficerDocument& document) {
  if (!RequireFile(parent, document)) return;
  const QString path = seam::AskOpenFileName(parent, kFilter);
  const std::optional<ExchangeFormat> format = FormatOfChosen(parent, path);
  if (!format) return;
  const ExchangeReadResult read = ReadExchangeFile(path, *format);
  if (!read.Ok()) return ShowErrors(parent, read.errors);
  const ImportDecision decision = document.DecideImport(read.document);
  if (!decision.Accepted()) return ShowErrors(parent, decision.errors);
  if (decision.changes.Empty()) {
    seam::ShowMessage(parent, QStringLiteral("没有要改变的内容"));
    return;
  }
  ImportPreviewDialog preview(decision, parent);
  if (seam::RunModal(&preview) != QDialog::Accepted) return;
  document.ApplyImport(decision, QFileInfo(path).fileName().toStdString());
}
