#pragma once
// The registry value that the game's installer leaves behind: key
// "Software\Orvane\Velmora TC\Install" under the current user, value
// "InstallInfo", the installation directory as text.
//
// On Windows it is read from the registry itself. Elsewhere the game runs
// under Wine, whose registry of the current user is the text file user.reg
// of the Wine prefix; there the Windows path is turned into a path of this
// system through the prefix's drive links (dosdevices/c: and so on).
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

inline constexpr const char16_t* kInstallKey = u"Software\\Orvane\\Velmora TC\\Install";
inline constexpr const char16_t* kInstallValue = u"InstallInfo";

// The installation directory from the registry: nullopt when the key does
// not exist (or cannot be opened); an empty text when the key exists but the
// value is missing, empty or not text.
std::optional<QString> ReadRegistryInstallDir();

namespace wine {

// $WINEPREFIX, else ~/.wine.
QString PrefixFolder();

// The value `valueName` of key `keyName` (both without the root and matched
// in any letter case, as Windows does) in the contents of a Wine registry
// file. nullopt when the key is absent; an empty text when the key is there
// but the value is missing or not a text value (a number or binary data).
std::optional<QString> RegistryValue(const QByteArray& registryFile, QStringView keyName, QStringView valueName);

// A Windows path ("C:\Games\Velmora") as a path of this system inside the
// prefix, following dosdevices/<drive letter>: and matching every folder
// name in any letter case when the exact spelling does not exist. An empty
// path stays empty.
QString UnixPath(const QString& prefix, const QString& windowsPath);

// The installation directory from the registry of the prefix.
std::optional<QString> ReadInstallDir(const QString& prefix);

}  // namespace wine
