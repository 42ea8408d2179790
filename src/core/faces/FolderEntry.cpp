#include "core/faces/FolderEntry.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Join(const QString& folder, const QString& name) {
  const bool separated = folder.endsWith(u'/') || folder.endsWith(QDir::separator());
  return separated ? folder + name : folder + u'/' + name;
}

}  // namespace

QString EntryIgnoringCase(const QString& folder, const QString& name) {
  const QString exact = Join(folder, name);
  if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink()) return exact;
  // Sorted by name with letter case counting, so that the first match is always the same one.
  const QStringList entries =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return Join(folder, entry);
  return exact;
}
