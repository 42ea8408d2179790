// Finding the game's installation directory on the main window.
#include "gui/widgets/DialogSeam.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/faces/InstallRegistry.h"
#include "gui/faces/TForm_InstallDir.h"

QString TForm_Main::LocateInstallDir() {
  // A key that exists decides, even with an empty value: the settings file
  // is then not consulted.
  if (std::optional<QString> registered = ReadRegistryInstallDir()) return *registered;
  TForm_InstallDir dialog(this);
  // A directory from the settings file spares the question.
  if (dialog.InstallPath.isEmpty()) seam::RunModal(&dialog);
  return dialog.InstallPath;
}

void TForm_Main::X1Click() {
  QString directory;
  {
    TForm_InstallDir dialog(this);
    seam::RunModal(&dialog);
    directory = dialog.InstallPath;
  }
  if (directory.isEmpty()) seam::ShowMessage(this, QStringLiteral("无法定位安装路径,可能无法显示头像!"));
  CloseFaceArchives();
  // Without a directory both archives stay absent until one is chosen.
  if (!directory.isEmpty()) OpenFaceArchives(directory);
}
