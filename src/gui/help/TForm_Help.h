#pragma once
// The welcome and help window: the program's name and version, four usage
// notes, an invitation to click or press a key, and the credits with a link
// to the forum's web page. A borderless 433 x 433 window; each showing is a
// new window that is destroyed after it closes.
#include <QDialog>
#include <QUrl>
#include <functional>

class ClickLabel;
class QKeyEvent;
class QMouseEvent;

class TForm_Help : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Help(QWidget* parent = nullptr);

  // The forum's web page that the two links open.
  static QUrl ForumAddress();
  // Asks the desktop to open a web address in the default browser. Tests
  // replace the browser with a hook; an empty function restores it.
  static void OpenWebAddress(const QUrl& address);
  static void SetWebAddressHook(std::function<void(const QUrl&)> hook);

  // --- pictures: the four corners and the four edge strips ---------------
  ClickLabel* Image1 = nullptr;  // top-left corner
  ClickLabel* Image2 = nullptr;  // top-right corner
  ClickLabel* Image3 = nullptr;  // bottom-left corner
  ClickLabel* Image4 = nullptr;  // bottom-right corner
  ClickLabel* Image5 = nullptr;  // top edge
  ClickLabel* Image6 = nullptr;  // bottom edge
  ClickLabel* Image7 = nullptr;  // left edge
  ClickLabel* Image8 = nullptr;  // right edge

  // --- labels, from top to bottom ------------------------------------------
  ClickLabel* Label20 = nullptr;
  ClickLabel* Label6 = nullptr;
  ClickLabel* Label21 = nullptr;
  ClickLabel* Label22 = nullptr;  // link: the forum's name
  ClickLabel* Label23 = nullptr;
  ClickLabel* Label27 = nullptr;
  ClickLabel* Label28 = nullptr;
  ClickLabel* Label2 = nullptr;
  ClickLabel* Label3 = nullptr;
  ClickLabel* Label7 = nullptr;
  ClickLabel* Label8 = nullptr;
  ClickLabel* Label12 = nullptr;  // usage note 4: a click does nothing
  ClickLabel* Label10 = nullptr;
  ClickLabel* Label5 = nullptr;
  ClickLabel* Label19 = nullptr;
  ClickLabel* Label13 = nullptr;  // link: forum, web address and section
  ClickLabel* Label1 = nullptr;
  ClickLabel* Label16 = nullptr;
  ClickLabel* Label17 = nullptr;
  ClickLabel* Label24 = nullptr;
  ClickLabel* Label25 = nullptr;
  ClickLabel* Label11 = nullptr;  // the author's second name
  ClickLabel* Label9 = nullptr;

  // --- handlers --------------------------------------------------------------
  void FormClick();
  void Image1Click();  // every picture and every label without a handler of its own
  void FormKeyPress(const QString& keyText);
  void FormMouseMove();
  void Label13MouseMove(ClickLabel* link);  // Label13 and Label22
  void Label13Click();                      // Label13 and Label22
  void Label11Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  ClickLabel* AddPicture(const char* name, const QString& resource, int x, int y, int w, int h);
  ClickLabel* AddLabel(const char* name, const QString& text, int x, int y, const QFont& font, const QColor& colour);
  void BuildPictures();
  void BuildLabels();
  void ConnectHandlers();
};
