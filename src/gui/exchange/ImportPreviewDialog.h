#pragma once
// The preview of an import: how the file was read (its encoding and
// separator when not the usual), every change (officer, field, old value,
// new value) and the 提醒 the result would carry, with 应用 (accept) and 取消
// (reject).
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "core/exchange/ExchangeImport.h"
#include "core/language/UiLanguage.h"

namespace Ui {
class ImportPreviewDialog;
}

class ImportPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // Names and officer texts are shown in `script`.
  ImportPreviewDialog(const ImportDecision& decision, const std::vector<std::string>& readNotes,
                      OfficerTextScript script, QWidget* parent = nullptr);
  ~ImportPreviewDialog() override;

 protected:
  // The language changed: the form's texts and the summary anew.
  void changeEvent(QEvent* event) override;

 private:
  // How the file was read, how much changes, the 提醒.
  void ShowSummary();

  std::unique_ptr<Ui::ImportPreviewDialog> ui_;
  QString readNotes_;  // one line each
  qsizetype changedOfficers_ = 0;
  qsizetype changedValues_ = 0;
  QString findings_;  // each after a line break
};
