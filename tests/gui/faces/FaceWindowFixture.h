#pragma once
// The face windows' controls as a person finds them, by object name (a
// missing control ends the test), and game folders whose face archives
// have known content: every picture is one flat colour that names its face
// (FaceMark).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/faces/FaceArchive.h"
#include "gui/faces/ShowFace.h"
#include "gui/widgets/ClickLabel.h"
#include "support/FaceArchiveBytes.h"
#include "support/MainWindowControls.h"
#include "support/TempDir.h"

template <typename Control>
Control* Named(QWidget& window, const char* name) {
  auto* control = Find<Control>(window, name);
  if (control == nullptr) throw std::runtime_error(std::string("no control named ") + name);
  return control;
}
inline QPushButton* Button(QWidget& window, const char* name) { return Named<QPushButton>(window, name); }

// --- the face picker -----------------------------------------------------------

// Cell `cell` (1-21): its picture and its number.
inline ClickLabel* Cell(QWidget& picker, int cell) {
  return Named<ClickLabel>(picker, QStringLiteral("Image%1").arg(cell).toLatin1().constData());
}
inline QLabel* Number(QWidget& picker, int cell) {
  return Named<QLabel>(picker, QStringLiteral("Label%1").arg(cell).toLatin1().constData());
}
inline ClickLabel* Egg(QWidget& picker) { return Named<ClickLabel>(picker, "imgEgg"); }
inline ClickLabel* Frame(QWidget& picker) { return Named<ClickLabel>(picker, "Label23"); }

// The face numbers the 21 cells show; -1 for a hidden cell.
inline std::vector<int> ShownNumbers(QWidget& picker) {
  std::vector<int> numbers;
  for (int cell = 1; cell <= 21; ++cell) {
    const QLabel* number = Number(picker, cell);
    numbers.push_back(number->isHidden() ? -1 : number->text().toInt());
  }
  return numbers;
}

// Goes to the last page and reads the highest number shown there.
inline int LastOffered(QWidget& picker) {
  Button(picker, "Button6")->click();
  const std::vector<int> numbers = ShownNumbers(picker);
  return *std::max_element(numbers.begin(), numbers.end());
}

inline void MouseMove(QWidget* over) {
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), over->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(over, &move);
}

// --- the installation-directory dialog ----------------------------------------

inline QTreeWidget* Tree(QWidget& dialog) { return Named<QTreeWidget>(dialog, "ShellTreeView_InstallDir"); }
inline void ClickOk(QWidget& dialog) { Button(dialog, "Btn_Ok")->click(); }
// The full path shown under the tree (its tooltip; the label itself shortens a long path).
inline QString ShownPath(QWidget& dialog) { return Named<QLabel>(dialog, "Label_SelectedPath")->toolTip(); }

// --- faces of known content ---------------------------------------------------

inline QImage Picture(const QLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); }

inline bool ShowsFace(const QLabel* label, int face) {
  const QImage picture = Picture(label);
  return !picture.isNull() && picture.pixel(0, 0) == FaceMark(face) && picture.pixel(63, 79) == FaceMark(face);
}

inline bool ShowsNoFace(const QLabel* label) {
  return Picture(label) == NoFacePicture().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Two game folders shared by every test: one with 13 added faces, one whose
// added archive lists none.
class FaceGames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new TempDir;
    WriteGameFaces(*root_ / "game13", kMainFaceCount, 13);
    WriteGameFaces(*root_ / "game0", -1, 0);
    std::filesystem::copy_file(*root_ / "game13" / "grp" / "grpfaces.vmr", *root_ / "game0" / "grp" / "grpfaces.vmr");
  }
  static void TearDownTestSuite() {
    delete root_;
    root_ = nullptr;
  }
  static std::unique_ptr<FaceArchive> Open(const char* game, const char* file) {
    return FaceArchive::Open(*root_ / game / "grp" / file);
  }

  static inline TempDir* root_ = nullptr;
};
