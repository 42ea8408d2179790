#pragma once
// The preview before a face is replaced: the face as stored and the new one
// side by side at 1:1 and doubled, the choices of fit and palette (the new
// face is drawn again at each change), the officers of the open file that
// use the face, and 替换 (accept) / 取消 (reject).
#include <QDialog>
#include <QImage>
#include <QStringList>
#include <memory>

#include "core/faces/FaceArchive.h"
#include "portraits/PictureToFace.h"

namespace Ui {
class FaceReplaceDialog;
}

class FaceReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  // `users`: the officers that use the face, as the list names them.
  FaceReplaceDialog(int face, const FaceImage& current, const QImage& picture, const QStringList& users,
                    QWidget* parent = nullptr);
  ~FaceReplaceDialog() override;

  // The face the picture becomes with the choices shown now.
  const FaceImage& NewFace() const { return newFace_; }
  FaceConversion Conversion() const;

 protected:
  // The language changed: the form's texts and those set here anew.
  void changeEvent(QEvent* event) override;

 private:
  void ShowNewFace();
  // The title with the face's number; the users' heading when none uses it.
  void ShowTexts();

  std::unique_ptr<Ui::FaceReplaceDialog> ui_;
  int face_;
  FaceImage current_;
  QImage picture_;
  FaceImage newFace_;
};
