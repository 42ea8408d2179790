#pragma once
// The settings file velmedit.ini beside the program's executable. Its whole
// content is the game's installation directory in the system's 8-bit
// encoding, without a line break; there are no keys or sections.
#include <QByteArray>
#include <QString>

inline constexpr const char* kSettingsFileName = "velmedit.ini";
// The directory is read into a buffer of 255 bytes: at most 254 of them.
inline constexpr int kSettingsLineLimit = 254;

// The folder of the program's own executable, never the working directory.
QString ProgramFolder();
// Makes ProgramFolder() answer `folder` instead (tests); an empty text
// restores the executable's folder.
void SetProgramFolder(const QString& folder);

QString SettingsFilePath();

// The first line of `content` as the settings file is read: at most 254
// bytes, up to and including the first line break, which stays part of the
// text; a zero byte ends it.
QByteArray FirstSettingsLine(const QByteArray& content);

// The stored directory; empty when the file is missing, unreadable or empty.
QString ReadSettingsFile();
// Replaces the file's content with `directory`, no line break after it.
// False when the file cannot be created or written.
bool WriteSettingsFile(const QString& directory);
