#pragma once
// The officer files opened last, newest first, kept in a second settings
// file beside velmedit.ini (velmedit-recent.ini): velmedit.ini stays one
// line, the installation folder, as the game's other tools expect it.
#include <QString>
#include <QStringList>

inline constexpr int kRecentFileCount = 8;

QString RecentFilesPath();
QStringList ReadRecentFiles();
// Puts `path` first (once), keeps kRecentFileCount. A list that cannot be
// written is simply not kept.
void RememberRecentFile(const QString& path);
