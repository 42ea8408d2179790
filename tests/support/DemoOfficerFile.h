#pragma once
// The demo registration file of `make run`, written by the project's own
// generator (tools/gen_demo_vmr) into a scratch folder.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

#ifdef VELM_GEN_DEMO_VMR
inline std::vector<unsigned char> DemoOfficerFile() {
  static const std::vector<unsigned char> bytes = [] {
    const TempDir dir;
    const std::filesystem::path file = dir / "TPERSON.VMR";
    QProcess::execute(QStringLiteral(VELM_GEN_DEMO_VMR), {QString::fromStdString(file.string())});
    return ReadBytes(file);
  }();
  return bytes;
}

// A scratch folder holding the demo file as TPERSON.VMR, and other files
// written beside it by name.
struct DemoFileFolder {
  DemoFileFolder() { WriteBytes(vmr, demo); }
  QString Path(const std::string& name) const { return QString::fromStdString((dir / name).string()); }
  void WriteText(const std::string& name, const std::string& text) const {
    WriteBytes(dir / name, std::vector<unsigned char>(text.begin(), text.end()));
  }

  TempDir dir;
  std::filesystem::path vmr = dir / "TPERSON.VMR";
  QString vmrPath = QString::fromStdString(vmr.string());
  std::vector<unsigned char> demo = DemoOfficerFile();
};
#endif
