#pragma once
// The face picker: a borderless window that pages through the game's faces
// 21 at a time and returns the one clicked.
//
// A picker position is a running index (FaceIndex/FaceAtPosition), so the
// skipped face numbers and the gap 1594-1999 never appear. After the last
// face offered stands a numberless picture, imgEgg.
#include <QDialog>
#include <array>

class ClickLabel;
class FaceArchive;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Values of the picker that last for the whole run, from one opening to the next.
namespace pic {
// First face number past the faces offered; imgEgg stands at this number.
// 0 = not yet computed (it is computed at the first opening).
int FaceLimit();
// First face number past the faces that the archives hold.
int ArchiveFaceLimit();
// The running index picked at the last opening, -1 for none.
int PickedPosition();
// Back to the state at program start.
void ResetRunState();
}  // namespace pic

class TfrmPic : public QDialog {
  Q_OBJECT

 public:
  // The archives are the main window's; either may be null (absent).
  TfrmPic(FaceArchive* mainArchive, FaceArchive* addedArchive, QWidget* parent = nullptr);

  static constexpr int kCells = 21;
  static constexpr int kColumns = 7;

  int FirstPosition = 0;

  QFrame* Panel1 = nullptr;
  std::array<ClickLabel*, kCells> Images{};  // Image1 ... Image21
  std::array<QLabel*, kCells> Labels{};      // Label1 ... Label21
  QLabel* Label22 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;  // Go
  ClickLabel* Label23 = nullptr;   // the green hover frame
  QLabel* Label24 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* Button9 = nullptr;  // 应用
  QPushButton* Button5 = nullptr;  // 首页
  QPushButton* Button3 = nullptr;  // 上一页
  QPushButton* Button4 = nullptr;  // 下一页
  QPushButton* Button6 = nullptr;  // 尾页
  QPushButton* Button7 = nullptr;  // 新武将
  QPushButton* Button8 = nullptr;  // 追加武将
  QPushButton* Button2 = nullptr;  // 取消
  ClickLabel* imgEgg = nullptr;

  void ShowPickerPage();
  void ShowPickerCell(int position, QLabel* image, QLabel* label);

  void Button1Click();  // Go
  void Button2Click();  // 取消
  void Button3Click();  // 上一页
  void Button4Click();  // 下一页
  void Button5Click();  // 首页
  void Button6Click();  // 尾页
  void Button7Click();  // 新武将
  void Button8Click();  // 追加武将
  void Button9Click();  // 应用
  // Image1Click ... Image21Click: `number` is the image's number, 1-21.
  void ImageClick(int number);
  void imgEggClick();
  // The mouse moved over a cell image or imgEgg.
  void Image18MouseMove(QWidget* control);
  void Label23MouseMove();

 private:
  void BuildControls();
  void FormCreate();
  // Hides the frame and imgEgg, then shows the page starting at `position`.
  void GoToPosition(int position);

  FaceArchive* mainArchive_ = nullptr;
  FaceArchive* addedArchive_ = nullptr;
};
