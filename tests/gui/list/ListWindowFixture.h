#pragma once
// The real main window with a registration file written from a table.
#include <gtest/gtest.h>

#include <QTreeWidget>
#include <vector>

#include "gui/mainwindow/TForm_Main.h"
#include "core/officers/OfficerFile.h"
#include "support/MainWindowHarness.h"
#include "support/MainWindowControls.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

class ListWindowFixture : public ::testing::Test {
 protected:
  TForm_Main& Window() { return harness.Window(); }

  static OfficerRecord Officer(const char* xing, const char* ming, const char* zi, int tong, int wu, int zhi, int zheng,
                               int mei) {
    OfficerRecord r;
    r.Xing.Write(xing);
    r.Ming.Write(ming);
    r.Zi.Write(zi);
    r.Tongshuai = static_cast<std::uint16_t>(tong);
    r.Wuli = static_cast<std::uint16_t>(wu);
    r.Zhili = static_cast<std::uint16_t>(zhi);
    r.Zhengzhi = static_cast<std::uint16_t>(zheng);
    r.Meili = static_cast<std::uint16_t>(mei);
    return r;
  }

  // Writes the table as TPERSON.VMR and opens it in the window.
  void Load(const OfficerTable& table) {
    WriteBytes(path_, MergeTableIntoFile(EmptyOfficerFile(), table));
    Window().OpenOfficerFile(QString::fromStdString(path_.string()));
  }

  // The texts of one list column as numbers, top to bottom.
  std::vector<int> ListedColumn(int column) {
    std::vector<int> values;
    QTreeWidget* list = OfficerList(Window());
    for (int i = 0; i < list->topLevelItemCount(); ++i) values.push_back(list->topLevelItem(i)->text(column).toInt());
    return values;
  }
  std::vector<int> ListedNumbers() { return ListedColumn(0); }

  // The list's row of a slot (none while a search hides it), and a click on it.
  QTreeWidgetItem* Row(int slot) { return Window().ListPanel().RowOfSlot(slot); }
  void Choose(int slot) { OfficerList(Window())->setCurrentItem(Row(slot)); }

  MainWindowHarness harness;
  TempDir dir_;
  std::filesystem::path path_ = dir_ / "TPERSON.VMR";
};
