#pragma once
// The welcome and help window: the program's name and version, four usage
// notes, an invitation to click or press a key, and the credits with a link
// to the forum's web page. A borderless 433 x 433 window; each showing is a
// new window that is destroyed after it closes. The controls come from
// TForm_Help.ui: Image1-Image4 are the corners, Image5-Image8 the edges;
// Label22 and Label13 are the links, Label11 the author's second name.
#include <QDialog>
#include <QUrl>
#include <memory>

class ClickLabel;
class QKeyEvent;
class QMouseEvent;
namespace Ui {
class TForm_Help;
}

class TForm_Help : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Help(QWidget* parent = nullptr);
  ~TForm_Help() override;

  // The forum's web page that the two links open.
  static QUrl ForumAddress();

  // --- handlers --------------------------------------------------------------
  void CloseHelp();  // a click on the window, a picture or a label without a handler of its own
  void CloseOnCharacterKey(const QString& keyText);
  void UnmarkLinks();
  void MarkLink(ClickLabel* link);  // Label13 and Label22
  void OpenForum();                 // Label13 and Label22
  void ShowReminderAndClose();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The language changed: the texts anew, each label sized to its new text.
  void changeEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ShowFrame();
  void SizeLabels();
  void ConnectHandlers();

  std::unique_ptr<Ui::TForm_Help> ui_;
};
