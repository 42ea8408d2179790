#pragma once
// The settings file velmedit.ini beside the program's executable, or in the
// user's configuration folder when the program's folder cannot be written
// (an installed program). Its whole content is the game's installation
// directory in the system's 8-bit encoding, without a line break; there are
// no keys or sections.
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

// The user's configuration folder for this program (QStandardPaths'
// AppConfigLocation, named after the application; "velmedit" while the
// application has no name).
QString UserSettingsFolder();

// Where the settings file is written, and read first: beside the program
// while the file there or the program's folder can be written; otherwise in
// UserSettingsFolder().
QString SettingsFilePath();

// The first line of `content` as the settings file is read: at most 254
// bytes, up to and including the first line break, which stays part of the
// text; a zero byte ends it.
QByteArray FirstSettingsLine(const QByteArray& content);

// The stored directory; empty when the file is missing, unreadable or empty.
// When the program's folder cannot be written, a file left beside the program
// still counts as long as the user's folder holds none.
QString ReadSettingsFile();
// Replaces the file's content with `directory`, no line break after it,
// creating the user's configuration folder when the file goes there.
// False when the file cannot be created or written.
bool WriteSettingsFile(const QString& directory);
