#pragma once
// The face picker: a borderless window that pages through the game's faces
// 21 at a time and returns the one clicked.
//
// A picker position is a running index (FaceIndex/FaceAtPosition), so the
// skipped face numbers and the gap 1594-1999 never appear. After the last
// face offered stands a numberless picture, imgEgg.
//
// The controls come from TfrmPic.ui; the limits and the pick outlive the
// window in a FacePickerRunState that the opener keeps for the whole run.
#include <QDialog>
#include <array>

#include "core/faces/FacePickerRunState.h"
#include "ui_TfrmPic.h"

class FaceArchive;

class TfrmPic : public QDialog, public Ui::TfrmPic {
  Q_OBJECT

 public:
  // The archives are the opener's; either may be null (absent).
  TfrmPic(FaceArchive* mainArchive, FaceArchive* addedArchive, FacePickerRunState& runState,
          QWidget* parent = nullptr);

  static constexpr int kCells = 21;
  static constexpr int kColumns = 7;

  int FirstPosition = 0;

  std::array<ClickLabel*, kCells> Images{};  // Image1 ... Image21
  std::array<QLabel*, kCells> Labels{};      // Label1 ... Label21

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
  void TakeControls();
  void ConnectHandlers();
  void FormCreate();
  // Hides the frame and imgEgg, then shows the page starting at `position`.
  void GoToPosition(int position);

  FaceArchive* mainArchive_ = nullptr;
  FaceArchive* addedArchive_ = nullptr;
  FacePickerRunState& run_;
};
