#include "gui/mainwindow/TForm_Main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "gui/widgets/DialogSeam.h"
#include "gui/widgets/MainWindowLook.h"
#include "gui/widgets/PlacedWidgets.h"
#include "core/faces/FaceArchive.h"
#include "gui/help/TForm_Help.h"
#include "core/officers/OfficerFile.h"

namespace {

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(x, y, w, h);
  return box;
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    // Window-wide, also while an edit box has the focus (Ctrl+X closes the program).
    action->setShortcutContext(Qt::ApplicationShortcut);
  }
  return action;
}

// Edit boxes claim Ctrl+X (cut) and other keys for themselves; the menu's
// shortcuts are window-wide, so inside this window the menu wins.
class MenuShortcutsFirst : public QObject {
 public:
  MenuShortcutsFirst(QMainWindow* window, QList<QAction*> actions) : QObject(window), window_(window), actions_(std::move(actions)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (QAction* action : actions_) {
      if (action->isEnabled() && action->shortcut() == pressed) {
        event->ignore();  // not the edit box's: let the shortcut fire
        return true;
      }
    }
    return false;
  }

 private:
  QMainWindow* window_;
  QList<QAction*> actions_;
};

}  // namespace

TForm_Main::TForm_Main(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form_Main"));
  setWindowTitle(QStringLiteral("Velmora 武将登录器"));
  setFont(MainWindowFont());
  SlotVisible.fill(true);

  // 1. every control, including the 833 entries of each relationship picker
  BuildMenus();
  BuildRegions();
  BuildOfficerList();
  BuildSearchGroup();
  BuildFacePanel();
  BuildEditorPanel();
  BuildRosterPickers();
  ConnectHandlers();
  qApp->installEventFilter(new MenuShortcutsFirst(this, {Menu_Open, R1, Menu_Save, Menu_Exit, Menu_Help}));
  FixClientSize(this, kClientWidth, kClientHeight);

  // 2. no file, nothing shown yet
  FilePath.clear();
  ShownTexts = ShownTextSet{};

  // 3.-5. the game's directory, its face archives, an empty panel
  OpenFaceArchives(LocateInstallDir());
  ClearEditorPanel();
}

TForm_Main::~TForm_Main() = default;

void TForm_Main::BuildMenus() {
  Menu_File = menuBar()->addMenu(QStringLiteral("文件(&F)"));
  Menu_File->setObjectName(QStringLiteral("Menu_File"));
  Menu_Open = MakeAction(Menu_File, "Menu_Open", QStringLiteral("打开新武将档(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O));
  R1 = MakeAction(Menu_File, "R1", QStringLiteral("重新载入(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R));
  Menu_Save = MakeAction(Menu_File, "Menu_Save", QStringLiteral("保存新武将档(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
  N2 = Menu_File->addSeparator();
  N2->setObjectName(QStringLiteral("N2"));
  Menu_Exit = MakeAction(Menu_File, "Menu_Exit", QStringLiteral("退出(&X)"), QKeySequence(Qt::CTRL | Qt::Key_X));

  N1 = menuBar()->addMenu(QStringLiteral("设置路径(&D)"));
  N1->setObjectName(QStringLiteral("N1"));
  X1 = MakeAction(N1, "X1", QStringLiteral("选择Velmora安装目录(&I)"), QKeySequence());

  Menu_About = menuBar()->addMenu(QStringLiteral("关于(&A)"));
  Menu_About->setObjectName(QStringLiteral("Menu_About"));
  Menu_Help = MakeAction(Menu_About, "Menu_Help", QStringLiteral("帮助(&H)"), QKeySequence(Qt::CTRL | Qt::Key_H));
}

void TForm_Main::BuildRegions() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);

  GroupBox7 = MakeGroup(client, "GroupBox7", QStringLiteral("新武将"), 3, 0, 380, 417);
  GroupBox8 = MakeGroup(client, "GroupBox8", QStringLiteral("输入一项或多项值以查找武将"), 4, 424, 380, 49);
  GroupBox4 = MakeGroup(client, "GroupBox4", QStringLiteral("形象"), 387, 0, 94, 161);
  GroupBox9 = MakeGroup(client, "GroupBox9", QStringLiteral("年份"), 387, 164, 94, 89);
  GroupBox1 = MakeGroup(client, "GroupBox1", QStringLiteral("能力"), 488, 0, 169, 89);
  GroupBox5 = MakeGroup(client, "GroupBox5", QStringLiteral("性格"), 488, 92, 169, 161);
  GroupBox6 = MakeGroup(client, "GroupBox6", QStringLiteral("人际"), 664, 0, 120, 161);
  GroupBox10 = MakeGroup(client, "GroupBox10", QStringLiteral("相性"), 664, 164, 120, 89);
  GroupBox3 = MakeGroup(client, "GroupBox3", QStringLiteral("个人"), 387, 256, 398, 110);
  GroupBox2 = MakeGroup(client, "GroupBox2", QStringLiteral("特技"), 464, 368, 321, 105);

  Btn_BT = MakeButton(client, "Btn_BT", QStringLiteral("能力全满"), 388, 371, 70, 23);
  Btn_AllSkills = MakeButton(client, "Btn_AllSkills", QStringLiteral("全部技能"), 388, 399, 70, 23);
  Btn_MConfirm = MakeButton(client, "Btn_MConfirm", QStringLiteral("确认修改"), 388, 425, 70, 23);
  Btn_MCancel = MakeButton(client, "Btn_MCancel", QStringLiteral("撤销修改"), 388, 450, 70, 23);

  // The hint stands below the bottom edge of the client area, out of sight.
  Label24 = new QLabel(QStringLiteral("提示：\"确认修改\"之后再选择\"保存存档\"，方可使修改生效"), client);
  Label24->setObjectName(QStringLiteral("Label24"));
  Label24->setGeometry(424, 552, 312, 12);
}

void TForm_Main::ConnectHandlers() {
  Guard(Menu_Open, &QAction::triggered, [this] { Menu_OpenClick(); });
  Guard(R1, &QAction::triggered, [this] { R1Click(); });
  Guard(Menu_Save, &QAction::triggered, [this] { Menu_SaveClick(); });
  Guard(Menu_Exit, &QAction::triggered, [this] { Menu_ExitClick(); });
  Guard(X1, &QAction::triggered, [this] { X1Click(); });
  Guard(Menu_Help, &QAction::triggered, [this] { Menu_HelpClick(); });
  Guard(Btn_MConfirm, &QPushButton::clicked, [this] { Btn_MConfirmClick(); });
  Guard(Btn_MCancel, &QPushButton::clicked, [this] { Btn_MCancelClick(); });
  Guard(Btn_AllSkills, &QPushButton::clicked, [this] { Btn_AllSkillsClick(); });
  Guard(Btn_BT, &QPushButton::clicked, [this] { Btn_BTClick(); });
}

void TForm_Main::Menu_OpenClick() {
  const QString chosen = seam::AskOpenFileName(this, OfficerFileFilter());
  if (chosen.isEmpty()) return;
  OpenOfficerFile(chosen);
}

void TForm_Main::OpenOfficerFile(const QString& path) {
  // Read first: a file that cannot be loaded leaves the open file, the table,
  // the list and the panel as they were, so a later save cannot write the
  // previous officers into it.
  const OfficerTable loaded = ::LoadOfficerFile(path.toStdU16String());
  FilePath = path;
  ClearEditorPanel();
  Table = loaded;
  FillOfficerList();
  RenameRosterEntries();
}

void TForm_Main::R1Click() { LoadOfficerFile(); }

void TForm_Main::Menu_SaveClick() { SaveOfficerFile(); }

void TForm_Main::Menu_ExitClick() { close(); }

void TForm_Main::Menu_HelpClick() {
  TForm_Help help(this);
  seam::RunModal(&help);
}

void TForm_Main::LoadOfficerFile() {
  if (FilePath.isEmpty()) {
    seam::ShowMessage(this, QStringLiteral("请先打开一个存档文件！"));
    Menu_OpenClick();
    return;
  }
  OpenOfficerFile(FilePath);  // the same file again
}

void TForm_Main::SaveOfficerFile() {
  if (FilePath.isEmpty()) {
    seam::ShowMessage(this, QStringLiteral("请先打开新武将登陆文件！"));
    Menu_OpenClick();
    return;
  }
  ::SaveOfficerFile(FilePath.toStdU16String(), Table);
}

void TForm_Main::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TForm_Main::FormClose() { CloseFaceArchives(); }
