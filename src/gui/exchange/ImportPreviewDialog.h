#pragma once
// The preview of an import: every change (slot, field, old value, new
// value) with 应用 (accept) and 取消 (reject).
#include <QDialog>
#include <memory>

#include "core/exchange/ChangeSet.h"

namespace Ui {
class ImportPreviewDialog;
}

class ImportPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  ImportPreviewDialog(const ChangeSet& changes, QWidget* parent = nullptr);
  ~ImportPreviewDialog() override;

  Ui::ImportPreviewDialog& Form() { return *ui_; }

 private:
  std::unique_ptr<Ui::ImportPreviewDialog> ui_;
};
