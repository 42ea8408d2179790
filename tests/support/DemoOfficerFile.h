#pragma once
// The demo registration file of `make run`, written by the project's own
// generator (tools/gen_demo_vmr) into a scratch folder.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
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
#endif
