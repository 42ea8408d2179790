#include "core/faces/LanguageSetting.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "core/faces/RecentFiles.h"

namespace {
const QString kKey = QStringLiteral("interface/language");
}

std::optional<UiLanguage> ReadLanguageSetting() {
  const QSettings settings(RecentFilesPath(), QSettings::IniFormat);
  return ParseUiLanguage(settings.value(kKey).toString());
}

void WriteLanguageSetting(UiLanguage language) {
  QDir().mkpath(QFileInfo(RecentFilesPath()).absolutePath());
  QSettings settings(RecentFilesPath(), QSettings::IniFormat);
  settings.setValue(kKey, UiLanguageCode(language));
}
