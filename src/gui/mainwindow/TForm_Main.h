#pragma once
// The main window: officer list and search on the left, the editor panel on
// the right, the menus on top. It owns every piece of state of the run.
//
// Its methods are spread over the subsystems' folders (app/ for start-up and
// the file commands, list/ for the list, search and roster pickers, editor/
// for the panel, faces/ for portraits and the installation directory,
// convert/ for the conversion commands); the rules themselves live in the
// core library and the methods only move values between controls and rules.
#include <QMainWindow>
#include <QString>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <type_traits>

#include "gui/widgets/ErrorGuard.h"
#include "core/editor/ShownTextSet.h"
#include "core/faces/FacePickerRunState.h"
#include "core/officers/OfficerRecord.h"

class ClickLabel;
class FaceArchive;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TForm_Main : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm_Main(QWidget* parent = nullptr);
  ~TForm_Main() override;

  // Open command steps 2-4 with a path given from outside (command line).
  void OpenOfficerFile(const QString& path);

  // --- state of the run ---------------------------------------------------
  QString FilePath;
  OfficerTable Table{};
  int CurrentSlot = 0;
  std::array<bool, kSlotCount> SlotVisible{};
  int SortColumn = 0;
  bool SortAscending = false;
  ShownTextSet ShownTexts;
  std::unique_ptr<FaceArchive> MainFaceArchive;   // grp/grpfaces.vmr, null when absent
  std::unique_ptr<FaceArchive> AddedFaceArchive;  // grp/grpaface.vmr, null when absent
  FacePickerRunState FacePicker;                  // the face picker's limits and last pick

  // --- menus (app/) -------------------------------------------------------
  QMenu* Menu_File = nullptr;
  QAction* Menu_Open = nullptr;
  QAction* R1 = nullptr;
  QAction* Menu_Save = nullptr;
  QAction* N2 = nullptr;
  QAction* Menu_Exit = nullptr;
  QMenu* N1 = nullptr;
  QAction* X1 = nullptr;
  QMenu* Menu_About = nullptr;
  QAction* Menu_Help = nullptr;

  // --- regions (app/) -----------------------------------------------------
  QGroupBox* GroupBox1 = nullptr;   // 能力
  QGroupBox* GroupBox2 = nullptr;   // 特技
  QGroupBox* GroupBox3 = nullptr;   // 个人
  QGroupBox* GroupBox4 = nullptr;   // 形象
  QGroupBox* GroupBox5 = nullptr;   // 性格
  QGroupBox* GroupBox6 = nullptr;   // 人际
  QGroupBox* GroupBox7 = nullptr;   // 新武将
  QGroupBox* GroupBox8 = nullptr;   // search
  QGroupBox* GroupBox9 = nullptr;   // 年份
  QGroupBox* GroupBox10 = nullptr;  // 相性
  QPushButton* Btn_BT = nullptr;
  QPushButton* Btn_AllSkills = nullptr;
  QPushButton* Btn_MConfirm = nullptr;
  QPushButton* Btn_MCancel = nullptr;
  QLabel* Label24 = nullptr;

  // --- officer list and search (list/) ------------------------------------
  QTreeWidget* ListView_SelPrsn = nullptr;
  QLineEdit* Edit_STongshuai = nullptr;
  QLineEdit* Edit_SWuli = nullptr;
  QLineEdit* Edit_SZhili = nullptr;
  QLineEdit* Edit_SZhengzhi = nullptr;
  QLineEdit* Edit_SMeili = nullptr;
  QPushButton* Btn_ReSearch = nullptr;

  // --- relationship pickers (list/) ---------------------------------------
  QComboBox* ComboBox_Father = nullptr;
  QComboBox* ComboBox_Mother = nullptr;
  QComboBox* ComboBox_Another = nullptr;
  QComboBox* ComboBox_Family = nullptr;
  QComboBox* ComboBox_Brother = nullptr;
  QComboBox* ComboBox_Enemy = nullptr;
  QComboBox* ComboBox_Xiangxing = nullptr;

  // --- editor panel (editor/) ---------------------------------------------
  QLineEdit* Edit_Tongshuai = nullptr;
  QLineEdit* Edit_Wuli = nullptr;
  QLineEdit* Edit_Zhili = nullptr;
  QLineEdit* Edit_Zhengzhi = nullptr;
  QLineEdit* Edit_Meili = nullptr;
  QLineEdit* Edit_Shengwang = nullptr;
  QLineEdit* Edit_Xing = nullptr;
  QLineEdit* Edit_Ming = nullptr;
  QLineEdit* Edit_Zi = nullptr;
  QLineEdit* Edit_Yin = nullptr;
  QPlainTextEdit* Memo_Story = nullptr;
  QPushButton* Button1 = nullptr;  // 此人日文-->中文 (convert/)
  QPushButton* Button2 = nullptr;  // 所有武将日文-->中文 (convert/)
  ClickLabel* Image_NoFace = nullptr;
  ClickLabel* Image_Face = nullptr;
  QLineEdit* Edit_Face = nullptr;
  QComboBox* ComboBox_Gender = nullptr;
  QComboBox* ComboBox_Type = nullptr;
  QComboBox* ComboBox_Belief = nullptr;
  QComboBox* ComboBox_Character = nullptr;
  QComboBox* ComboBox_Drink = nullptr;
  QComboBox* ComboBox_Care = nullptr;
  QComboBox* ComboBox_Desire = nullptr;
  QComboBox* ComboBox_Yili = nullptr;
  QComboBox* ComboBox_Qiyong = nullptr;
  QComboBox* ComboBox_Han = nullptr;
  QComboBox* ComboBox_Stratagem = nullptr;
  QComboBox* ComboBox_Task = nullptr;
  QLineEdit* Edit_BornYear = nullptr;
  QLineEdit* Edit_EnterYear = nullptr;
  QLineEdit* Edit_DeadYear = nullptr;
  QLineEdit* Edit_Xiangxing = nullptr;
  QLineEdit* Edit_Touyuan = nullptr;
  std::array<QCheckBox*, 42> SkillBoxes{};  // in the grid's order, row by row

  // --- file commands (app/) -----------------------------------------------
  void Menu_OpenClick();
  void R1Click();
  void Menu_SaveClick();
  void Menu_ExitClick();
  void Menu_HelpClick();
  void LoadOfficerFile();
  void SaveOfficerFile();

  // --- list/ ----------------------------------------------------------------
  void FillOfficerList();
  void Btn_ReSearchClick();
  void ListView_SelPrsnColumnClick(int column);
  void ListView_SelPrsnSelectItem(QTreeWidgetItem* item, bool selected);
  void RenameRosterEntries();
  // Replaces entry slot + 650 of all seven pickers, keeping their selections.
  void RenameRosterEntry(int slot, const QString& name);
  // Stored roster number -> picker (>= 832 shows "无") and back ("无" or none -> 0xFFFF).
  static void SelectRosterEntry(QComboBox* picker, std::uint16_t value);
  static std::uint16_t RosterValueOf(const QComboBox* picker);
  QTreeWidgetItem* SelectedRow() const;
  // Sets the six sub-items (display name and five abilities) of a row.
  void SetRowTexts(QTreeWidgetItem* row, const QString& displayName, const OfficerRecord& record);

  // --- editor/ --------------------------------------------------------------
  void ClearEditorPanel();
  void ShowOfficer();
  void ShowSkills();
  void Btn_MCancelClick();
  void Btn_MConfirmClick();
  void Btn_AllSkillsClick();
  void Btn_BTClick();
  // The memo's whole text as GBK bytes with CR LF line breaks, and back.
  std::string MemoStoryBytes() const;
  void SetMemoStoryBytes(const std::string& gbk);
  // Puts surname, given name, courtesy name and biography (GBK bytes) into
  // the panel and takes them as the texts last shown.
  void ShowOfficerTexts(const ShownTextSet& gbk);
  // The roster entry of CurrentSlot and the selected row take the names the
  // panel shows.
  void RenameFromPanel();

  // --- faces/ ---------------------------------------------------------------
  QString LocateInstallDir();
  void OpenFaceArchives(const QString& directory);
  void CloseFaceArchives();
  void X1Click();
  void Image_FaceClick();
  // The archive that holds a face number: the added one from 2000 on.
  FaceArchive* ArchiveFor(int face) const;

  // --- convert/ -------------------------------------------------------------
  void Button1Click();
  void Button2Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildRegions();
  void BuildOfficerList();    // list/
  void BuildSearchGroup();    // list/
  void BuildRosterPickers();  // list/
  void BuildEditorPanel();    // editor/
  void BuildFacePanel();      // faces/ (portrait controls in 形象)
  void ConnectHandlers();
  void FormClose();
  template <typename Sender, typename Signal, typename Handler>
  void Guard(Sender* sender, Signal signal, Handler handler) {
    ConnectGuarded(sender, signal, this, handler);
  }
};
