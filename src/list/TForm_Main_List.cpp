// The officer list and the search on the main window.
// Placeholder seams until the list arrives.
#include <QGroupBox>
#include <QTreeWidget>

#include "app/TForm_Main.h"

void TForm_Main::BuildOfficerList() {
  ListView_SelPrsn = new QTreeWidget(GroupBox7);
  ListView_SelPrsn->setObjectName(QStringLiteral("ListView_SelPrsn"));
  ListView_SelPrsn->setGeometry(8, 16, 364, 393);
}
void TForm_Main::BuildSearchGroup() {}
void TForm_Main::FillOfficerList() {}
void TForm_Main::Btn_ReSearchClick() {}
void TForm_Main::ListView_SelPrsnColumnClick(int) {}
void TForm_Main::ListView_SelPrsnSelectItem(QTreeWidgetItem*, bool) {}
QTreeWidgetItem* TForm_Main::SelectedRow() const { return nullptr; }
void TForm_Main::SetRowTexts(QTreeWidgetItem*, const QString&, const OfficerRecord&) {}
