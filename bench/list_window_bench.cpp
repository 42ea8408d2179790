// Start-up cost of the main window (seven pickers of 833 entries each) against
// a bare window with as many plain widgets, and the cost of a load's list and
// roster refresh.
//
// Targets: the main window builds in under twice the time of the bare window;
// a load with list and roster refresh takes under 5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "gui/widgets/DialogSeam.h"
#include "core/document/OfficerDocument.h"
#include "gui/editor/EditorPanel.h"
#include "gui/list/OfficerListPanel.h"
#include "gui/list/RosterPickers.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/convert/Jislib.h"
#include "core/list/OfficerRoster.h"
#include "core/officers/OfficerFile.h"

namespace {

std::filesystem::path g_scratch;

// The kinds of the controls the program places (group boxes, and everything
// standing directly in the client area or in a group box), in building order.
enum class Kind { Plain, Group, Label, Edit, Memo, Button, Check, Picker, List };

const std::vector<Kind>& MainWindowControlKinds() {
  static const std::vector<Kind> kinds = [] {
    std::vector<Kind> result;
    TForm_Main window;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
      const QWidget* parent = widget->parentWidget();
      if (parent != window.centralWidget() && !qobject_cast<const QGroupBox*>(parent)) continue;
      if (qobject_cast<const QGroupBox*>(widget)) result.push_back(Kind::Group);
      else if (qobject_cast<const QLabel*>(widget)) result.push_back(Kind::Label);
      else if (qobject_cast<const QLineEdit*>(widget)) result.push_back(Kind::Edit);
      else if (qobject_cast<const QPlainTextEdit*>(widget)) result.push_back(Kind::Memo);
      else if (qobject_cast<const QPushButton*>(widget)) result.push_back(Kind::Button);
      else if (qobject_cast<const QCheckBox*>(widget)) result.push_back(Kind::Check);
      else if (qobject_cast<const QComboBox*>(widget)) result.push_back(Kind::Picker);
      else if (qobject_cast<const QTreeWidget*>(widget)) result.push_back(Kind::List);
      else result.push_back(Kind::Plain);
    }
    return result;
  }();
  return kinds;
}

int MainWindowControlCount() { return static_cast<int>(MainWindowControlKinds().size()); }

void BM_BareWindow(benchmark::State& state) {
  const int controls = MainWindowControlCount();
  for (auto _ : state) {
    QMainWindow window;
    window.menuBar();
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    for (int i = 0; i < controls; ++i) {
      auto* widget = new QWidget(client);
      widget->setGeometry(i % 40 * 10, i / 40 * 10, 8, 8);
    }
    benchmark::DoNotOptimize(window.centralWidget());
  }
  state.counters["widgets"] = controls;
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

// The same kinds of controls, empty: what the main window costs beyond its
// controls' own construction (roster entries, list columns, texts, handlers).
void BM_BareWindowSameKinds(benchmark::State& state) {
  const std::vector<Kind>& kinds = MainWindowControlKinds();
  for (auto _ : state) {
    QMainWindow window;
    window.menuBar();
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    for (Kind kind : kinds) {
      switch (kind) {
        case Kind::Plain: new QWidget(client); break;
        case Kind::Group: new QGroupBox(client); break;
        case Kind::Label: new QLabel(client); break;
        case Kind::Edit: new QLineEdit(client); break;
        case Kind::Memo: new QPlainTextEdit(client); break;
        case Kind::Button: new QPushButton(client); break;
        case Kind::Check: new QCheckBox(client); break;
        case Kind::Picker: new QComboBox(client); break;
        case Kind::List: new QTreeWidget(client); break;
      }
    }
    benchmark::DoNotOptimize(window.centralWidget());
  }
  state.counters["widgets"] = static_cast<double>(kinds.size());
}
BENCHMARK(BM_BareWindowSameKinds)->Unit(benchmark::kMillisecond);

// The roster alone: seven pickers of 833 entries against seven empty ones.
void BM_SevenRosterPickers(benchmark::State& state) {
  QStringList entries;
  for (const std::string& entry : OfficerRosterEntries()) entries.append(QString::fromStdString(entry));
  for (auto _ : state) {
    QWidget group;
    for (int i = 0; i < 7; ++i) {
      auto* picker = new QComboBox(&group);
      picker->setMaxVisibleItems(30);
      picker->setModel(new QStringListModel(entries, picker));
      picker->setCurrentIndex(-1);
    }
    benchmark::DoNotOptimize(&group);
  }
}
BENCHMARK(BM_SevenRosterPickers)->Unit(benchmark::kMillisecond);

void BM_SevenEmptyPickers(benchmark::State& state) {
  for (auto _ : state) {
    QWidget group;
    for (int i = 0; i < 7; ++i) new QComboBox(&group);
    benchmark::DoNotOptimize(&group);
  }
}
BENCHMARK(BM_SevenEmptyPickers)->Unit(benchmark::kMillisecond);

void BM_MainWindow(benchmark::State& state) {
  state.counters["widgets"] = MainWindowControlCount();
  for (auto _ : state) {
    TForm_Main window;
    benchmark::DoNotOptimize(window.centralWidget());
  }
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMillisecond);

// Two tables with a name in every slot, so that each load changes all 110
// list rows and roster entries.
OfficerTable NamedTable(unsigned seed) {
  std::mt19937 gen(seed);
  OfficerTable table{};
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    OfficerRecord& r = table[s];
    auto bigFive = [&] {
      std::string text;
      text += static_cast<char>(0xA4 + gen() % 0x20);
      text += static_cast<char>(0x40 + gen() % 0x3F);
      return text;
    };
    r.Xing.Write(bigFive());
    r.Ming.Write(bigFive() + bigFive());
    r.Zi.Write(bigFive());
    r.Tongshuai = static_cast<std::uint16_t>(gen() % 100);
    r.Wuli = static_cast<std::uint16_t>(gen() % 100);
    r.Zhili = static_cast<std::uint16_t>(gen() % 100);
    r.Zhengzhi = static_cast<std::uint16_t>(gen() % 100);
    r.Meili = static_cast<std::uint16_t>(gen() % 100);
  }
  return table;
}

void BM_FillListAndRenameRoster(benchmark::State& state) {
  TForm_Main window;
  const OfficerTable tables[2] = {NamedTable(1), NamedTable(2)};
  int which = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int s = 0; s < static_cast<int>(kSlotCount); ++s) window.Document().ReplaceRecord(s, tables[which][static_cast<std::size_t>(s)]);
    state.ResumeTiming();
    which ^= 1;
    window.ListPanel().FillOfficerList();
    window.Editor().Roster().RenameRosterEntries();
  }
}
BENCHMARK(BM_FillListAndRenameRoster)->Unit(benchmark::kMillisecond);

// The whole open command on a file: read, panel cleared, list and roster.
void BM_OpenFile(benchmark::State& state) {
  TForm_Main window;
  std::vector<QString> paths;
  for (unsigned seed : {1u, 2u}) {
    const OfficerTable table = NamedTable(seed);
    const std::vector<unsigned char> bytes = MergeTableIntoFile(std::vector<unsigned char>(kOfficerFileSize, 0), table);
    const auto dir = g_scratch / std::to_string(seed);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "TPERSON.VMR", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    paths.push_back(QString::fromStdString((dir / "TPERSON.VMR").string()));
  }
  int which = 0;
  for (auto _ : state) {
    window.OpenOfficerFile(paths[static_cast<std::size_t>(which)]);
    which ^= 1;
  }
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadConversionTable();
  // A normal start: the game's directory is registered (in a Wine prefix of
  // our own), so no dialog takes part in the timing. The directory holds no
  // face archives.
  g_scratch = std::filesystem::temp_directory_path() / ("velmedit-bench-" + std::to_string(std::random_device{}()));
  const auto prefix = g_scratch / "wine";
  std::filesystem::create_directories(prefix / "drive_c" / "Velmora");
  std::filesystem::create_directories(prefix / "dosdevices");
  std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
  std::ofstream(prefix / "user.reg") << "WINE REGISTRY Version 2\n\n"
                                        "[Software\\\\Orvane\\\\Velmora TC\\\\Install] 1700000123\n"
                                        "\"InstallInfo\"=\"C:\\\\Velmora\"\n\n";
  qputenv("WINEPREFIX", QByteArray::fromStdString(prefix.string()));
  seam::SetMessageHook([](const seam::Message&) {});
  seam::SetOpenFileHook([](const QString&) { return QString(); });
  seam::SetModalHook([](QDialog*) { return static_cast<int>(QDialog::Rejected); });

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  seam::ClearHooks();
  std::error_code ec;
  std::filesystem::remove_all(g_scratch, ec);
  return 0;
}
