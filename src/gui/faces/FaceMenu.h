#pragma once
// The faces as pictures in the window: the 头像 menu (acting on the face the
// panel shows) and the menu on the portrait and on each face of the picker
// (acting on that face). A face is exported as a PNG file, replaced by a
// picture after a preview, or taken back from the archive's backup; all
// faces are exported into a folder or drawn onto one contact sheet.
//
// The window holds both archives open for the whole run; a replacement
// closes them around the write and opens them again (also when it fails),
// then faceChanged() tells whoever draws faces.
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <optional>

class FaceArchivePair;
class GameFaces;
class OfficerDocument;
class PortraitPanel;
class QAction;
class QMenu;
class QWidget;

class FaceMenu : public QObject {
  Q_OBJECT

 public:
  // Fills `menu`; the portrait and the pickers it opens get the face menu.
  FaceMenu(QMenu& menu, FaceArchivePair& archives, const OfficerDocument& document, PortraitPanel& portrait,
           QWidget* window);

  // Each acts on one face; `over` is the window the dialogs open over.
  void ExportFace(int face, QWidget* over);
  void ReplaceFace(int face, QWidget* over);
  void RestoreFace(int face, QWidget* over);
  void ExportAllFaces();
  void DrawFaceSheet();

  // The backup holds an image of the face that differs from the stored one.
  bool CanRestore(int face) const;
  // The officers of the open file that use the face, as the list names them.
  QStringList FaceUsers(int face) const;

 signals:
  // A face was replaced or taken back; the archives were opened again.
  void faceChanged(int face);

 protected:
  // The language changed: the menu's commands are named anew.
  bool event(QEvent* event) override;

 private:
  void ShowTexts();
  // The face the panel shows, when there is one and archives to read it from.
  std::optional<int> PanelFace() const;
  void EnableMenu();
  void ShowContextMenu(int face, const QPoint& globalPos, QWidget* over);
  // Runs a change of the archives with their files closed, then opens them
  // again and tells faceChanged(face), also when the change throws.
  template <typename Change>
  void ChangeArchives(int face, Change change);
  GameFaces Game() const;

  FaceArchivePair& archives_;
  const OfficerDocument& document_;
  PortraitPanel& portrait_;
  QWidget* window_;
  QAction* exportFace_;
  QAction* replaceFace_;
  QAction* restoreFace_;
  QAction* exportAll_;
  QAction* faceSheet_;
};
