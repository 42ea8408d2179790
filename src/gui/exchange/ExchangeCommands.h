#pragma once
// 文件 → 导出武将… and 导入武将…: the open file's officers (all, or only
// those the list shows when the player says so), confirmed but unsaved
// changes included, out to a JSON or CSV file; and such a file in, after a
// preview, as confirmed, unsaved changes (the file changes only on save,
// which keeps the file's header and preserved bytes).
class OfficerDocument;
class OfficerListModel;
class QWidget;

void ExportOfficers(QWidget* parent, const OfficerListModel& list);
void ImportOfficers(QWidget* parent, OfficerDocument& document);
