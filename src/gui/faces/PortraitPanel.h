#pragma once
// The portrait in the group 形象: the shown officer's face, and the face
// picker that a click on it opens.
#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class ClickLabel;
class FaceArchivePair;
struct FacePickerRunState;
class QLineEdit;
class QWidget;
class TfrmPic;

// Opens the menu of one face at a point of the screen, over a window.
using FaceMenuOpener = std::function<void(int face, const QPoint& globalPos, QWidget* over)>;

class PortraitPanel : public QObject {
  Q_OBJECT

 public:
  // Takes Image_Face, Image_NoFace and Edit_Face from `form`.
  // The picker opens only while `hasSelectedOfficer` says that the list has
  // a selected row.
  PortraitPanel(QWidget* form, const FaceArchivePair& archives, FacePickerRunState& facePicker,
                std::function<bool()> hasSelectedOfficer, QObject* parent);

  void OpenFacePicker();

  // The menu a right click on the portrait or on a face of the picker opens.
  void SetFaceMenu(FaceMenuOpener openMenu);
  // The face Edit_Face names while an officer is shown.
  std::optional<int> ShownFace() const;
  // The archives were opened again after `face` changed: the portrait and an
  // open picker draw from the new files.
  void FaceChanged(int face);

  // Shows the face number in Edit_Face and draws the face; the archive is
  // read only when the number changes.
  void ShowFaceNumber(int face);
  // Draws the face Edit_Face names again (the archives changed); the
  // no-face picture when it names none or the archives lack it.
  void Redraw();
  // No face number and the no-face picture (a new file is being shown).
  void Clear();

 private:
  QWidget* form_;
  const FaceArchivePair& archives_;
  FacePickerRunState& facePicker_;
  std::function<bool()> hasSelectedOfficer_;
  FaceMenuOpener openMenu_;
  TfrmPic* openPicker_ = nullptr;  // while the picker runs
  ClickLabel* Image_Face;
  ClickLabel* Image_NoFace;
  QLineEdit* Edit_Face;
};
