#pragma once
// 文件 → 恢复备份…: the open file's dated copies (newest first) and its .bak,
// each with its time, size and how many officers differ from the table the
// window holds. A copy that cannot be read is named with the reason and
// cannot be chosen.
#include <QDialog>
#include <filesystem>
#include <memory>

class OfficerDocument;
namespace Ui {
class TForm_Restore;
}

class TForm_Restore : public QDialog {
  Q_OBJECT
 public:
  TForm_Restore(const OfficerDocument& document, QWidget* parent);
  ~TForm_Restore() override;

  // The copy chosen with 恢复; empty before.
  const std::filesystem::path& ChosenCopy() const { return chosen_; }

 protected:
  // The language changed: the form's texts and the rows anew.
  void changeEvent(QEvent* event) override;

 private:
  // One row for each dated copy, newest first, and one for the .bak.
  void FillCopies();
  void AddCopy(const std::filesystem::path& copy, const QString& when);
  void ChooseSelectedCopy();

  const OfficerDocument& document_;
  std::unique_ptr<Ui::TForm_Restore> ui_;
  std::filesystem::path chosen_;
};
