#pragma once
// The portrait in the group 形象: the shown officer's face, and the face
// picker that a click on it opens.
#include <QObject>
#include <functional>

class ClickLabel;
class FaceArchivePair;
struct FacePickerRunState;
class QLineEdit;
class QWidget;

class PortraitPanel : public QObject {
  Q_OBJECT

 public:
  // Takes Image_Face, Image_NoFace and Edit_Face from `form`.
  // The picker opens only while `hasSelectedOfficer` says that the list has
  // a selected row.
  PortraitPanel(QWidget* form, const FaceArchivePair& archives, FacePickerRunState& facePicker,
                std::function<bool()> hasSelectedOfficer, QObject* parent);

  void Image_FaceClick();

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
  ClickLabel* Image_Face;
  ClickLabel* Image_NoFace;
  QLineEdit* Edit_Face;
};
