#pragma once
// The main window's controls and panels as tests reach them: by object name,
// the way a script drives the real window.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>
#include <vector>

#include "core/document/OfficerDocument.h"
#include "core/officers/OfficerFields.h"
#include "gui/editor/EditorPanel.h"
#include "gui/faces/PortraitPanel.h"
#include "gui/list/OfficerListPanel.h"
#include "gui/list/RosterPickers.h"
#include "gui/mainwindow/TForm_Main.h"
#include "gui/widgets/ClickLabel.h"
#include "gui/widgets/ErrorGuard.h"
#include "gui/widgets/GbkTextControls.h"

template <typename Control = QWidget>
Control* Find(QWidget& window, const char* name) {
  return window.findChild<Control*>(QString::fromLatin1(name));
}

inline QAction* Action(QWidget& window, const char* name) { return Find<QAction>(window, name); }
inline QTreeWidget* OfficerList(QWidget& window) { return Find<QTreeWidget>(window, "ListView_SelPrsn"); }
inline QTreeWidgetItem* SelectedRow(TForm_Main& window) { return window.ListPanel().SelectedRow(); }

// The 42 skill boxes in the grid's order, row by row.
inline std::array<QCheckBox*, kSkillBoxCount> SkillBoxes(QWidget& window) {
  std::array<QCheckBox*, kSkillBoxCount> boxes{};
  for (std::size_t i = 0; i < kSkillBoxCount; ++i) {
    boxes[i] = window.findChild<QCheckBox*>(QString::fromStdString(SkillLayout()[i].objectName));
  }
  return boxes;
}

// Types text into a widget key by key, as a keyboard or input method sends it.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

// The seven relationship pickers.
inline std::vector<QComboBox*> RelationshipPickers(QWidget& window) {
  std::vector<QComboBox*> pickers;
  for (const char* name : {"ComboBox_Father", "ComboBox_Mother", "ComboBox_Another", "ComboBox_Family", "ComboBox_Brother",
                           "ComboBox_Enemy", "ComboBox_Xiangxing"}) {
    pickers.push_back(Find<QComboBox>(window, name));
  }
  return pickers;
}

// Shows the window, opens `file` and picks the list's first row.
inline TForm_Main& ShowFirstOfficerOf(TForm_Main& window, const QString& file) {
  window.show();
  window.OpenOfficerFile(file);
  OfficerList(window)->setCurrentItem(OfficerList(window)->topLevelItem(0));
  return window;
}

// Types `value` into a number box of the panel and presses 确认修改.
inline void ConfirmNumber(QWidget& window, const char* box, const char* value) {
  Find<QLineEdit>(window, box)->setText(QString::fromLatin1(value));
  Find<QPushButton>(window, "Btn_MConfirm")->click();
}

// Changes a slot of the open file behind the panel's back.
template <typename Change>
void ChangeRecord(TForm_Main& window, int slot, Change change) {
  OfficerRecord record = window.Document().Record(slot);
  change(record);
  window.Document().ReplaceRecord(slot, record);
}
