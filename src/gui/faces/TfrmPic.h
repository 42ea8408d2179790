#pragma once
// The face picker: a borderless window that pages through the game's faces
// 21 at a time and returns the one clicked.
//
// A picker position is a running index (FaceIndex/FaceAtPosition), so the
// skipped face numbers and the gap 1594-1999 never appear. After the last
// face offered stands a numberless picture, imgEgg.
//
// The keyboard: the faces take the focus first; the arrow keys move the
// hover frame from cell to cell (and on to the next or previous page),
// Enter picks the framed face, Page Up/Down and Home/End page as the buttons
// do, a digit starts a number in the go-to field, Esc cancels; a button
// with the focus takes Enter as a click.
//
// The controls come from TfrmPic.ui; the limits and the pick outlive the
// window in a FacePickerRunState that the opener keeps for the whole run.
#include <QDialog>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>

#include "core/faces/FacePickerRunState.h"

class ClickLabel;
class FaceArchive;
class QKeyEvent;
class QLabel;
namespace Ui {
class TfrmPic;
}

class TfrmPic : public QDialog {
  Q_OBJECT

 public:
  // The archives are the opener's; either may be null (absent).
  TfrmPic(FaceArchive* mainArchive, FaceArchive* addedArchive, FacePickerRunState& runState,
          QWidget* parent = nullptr);
  ~TfrmPic() override;

  static constexpr int kCells = 21;

  // The face number clicked at this opening; -1 when none was.
  int PickedFace() const;

  // A right click on a face calls `openMenu` with its number.
  void SetCellMenu(std::function<void(int face, const QPoint& globalPos)> openMenu);
  // The opener's archives were opened again after `face` changed: the
  // picker reads the new ones, and the cells showing that face draw it
  // again; the page stays.
  void ArchivesReopened(FaceArchive* mainArchive, FaceArchive* addedArchive, int face);

  void GoToTypedFace();        // Go
  void CancelPick();           // 取消
  void ShowPreviousPage();     // 上一页
  void ShowNextPage();         // 下一页
  void ShowFirstPage();        // 首页
  void ShowLastPage();         // 尾页
  void ShowNewOfficerFaces();  // 新武将
  void ShowAddedFaces();       // 追加武将
  void ApplyFaceLimit();       // 应用
  // A click on Image1 ... Image21: `number` is the image's number, 1-21.
  void PickCell(int number);
  void ProtestAtEgg();
  // The mouse moved over a cell image or imgEgg.
  void FrameCell(QWidget* control);
  void HideFrame();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The language changed: the buttons' and labels' texts anew; the page stays.
  void changeEvent(QEvent* event) override;

 private:
  bool MoveByKey(const QKeyEvent* event);
  // The cell's control: its image, or imgEgg where that stands.
  QWidget* CellControl(int cell) const;
  int LastReachableCell() const;
  void MoveFrameBy(int cells);
  void PickFramedCell();
  void TakeControls();
  void ConnectHandlers();
  void SetUpPickerLimits();
  void ShowPickerPage();
  void ShowPickerCell(int position, QLabel* image, QLabel* label);
  // Hides the frame and imgEgg, then shows the page starting at `position`.
  void GoToPosition(int position);

  std::unique_ptr<Ui::TfrmPic> ui_;
  FaceArchive* mainArchive_ = nullptr;
  FaceArchive* addedArchive_ = nullptr;
  FacePickerRunState& run_;
  int firstPosition_ = 0;                  // running index of the page's first cell
  int framedCell_ = 0;                     // 0-20: the cell the frame was last put round
  std::array<ClickLabel*, kCells> images_{};  // Image1 ... Image21
  std::array<QLabel*, kCells> labels_{};      // Label1 ... Label21
  std::function<void(int face, const QPoint& globalPos)> openCellMenu_;
};
