#include "core/faces/InstallRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>

#include <cwchar>
#include <vector>
#endif

#include "core/faces/FolderEntry.h"

namespace {

bool IsHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool IsOctalDigit(QChar c) { return c >= u'0' && c <= u'7'; }

// Reads a name or string as Wine writes it, from `pos` up to the first
// unescaped `end` (pos is left after it). Wine escapes the backslash, the
// quote characters, control characters (C escapes or octal) and every
// character above 127 (\x with up to four hex digits, one UTF-16 unit each).
QString Unescape(QStringView line, qsizetype& pos, QChar end) {
  QString out;
  while (pos < line.size() && line[pos] != end) {
    const QChar c = line[pos++];
    if (c != u'\\' || pos >= line.size()) {
      out.append(c);
      continue;
    }
    const QChar e = line[pos++];
    switch (e.unicode()) {
      case u'a': out.append(QChar(0x07)); break;
      case u'b': out.append(QChar(0x08)); break;
      case u'e': out.append(QChar(0x1B)); break;
      case u'f': out.append(QChar(0x0C)); break;
      case u'n': out.append(QChar(0x0A)); break;
      case u'r': out.append(QChar(0x0D)); break;
      case u't': out.append(QChar(0x09)); break;
      case u'v': out.append(QChar(0x0B)); break;
      case u'x': {
        char16_t unit = 0;
        int digits = 0;
        while (digits < 4 && pos < line.size() && IsHexDigit(line[pos])) {
          unit = static_cast<char16_t>(unit * 16 + line.sliced(pos, 1).toUInt(nullptr, 16));
          ++pos;
          ++digits;
        }
        out.append(digits == 0 ? QChar(u'x') : QChar(unit));
        break;
      }
      default:
        if (IsOctalDigit(e)) {
          char16_t unit = static_cast<char16_t>(e.unicode() - u'0');
          for (int digits = 1; digits < 3 && pos < line.size() && IsOctalDigit(line[pos]); ++digits, ++pos)
            unit = static_cast<char16_t>(unit * 8 + (line[pos].unicode() - u'0'));
          out.append(QChar(unit));
        } else {
          out.append(e);  // \\, \", \[, \] and anything else stand for themselves
        }
        break;
    }
  }
  if (pos < line.size()) ++pos;  // the closing character
  return out;
}

// A registry text ends at its first zero character.
QString UpToZero(const QString& text) {
  const qsizetype zero = text.indexOf(QChar(0));
  return zero < 0 ? text : text.left(zero);
}

// The data of a value line after "=": the text of a string value (REG_SZ or
// REG_EXPAND_SZ, the latter unexpanded), an empty text for anything else.
// `lines`/`next` let binary data run on over continuation lines.
QString ValueText(QStringView data, const QStringList& lines, qsizetype& next) {
  if (data.startsWith(u'"')) {
    qsizetype pos = 1;
    return UpToZero(Unescape(data, pos, u'"'));
  }
  if (data.startsWith(u"str(")) {
    const qsizetype close = data.indexOf(u"):\"");
    if (close < 0) return QString();
    const uint type = data.sliced(4, close - 4).toUInt(nullptr, 16);
    if (type != 1 && type != 2) return QString();  // REG_SZ, REG_EXPAND_SZ; a multi-string is no text
    qsizetype pos = close + 3;
    return UpToZero(Unescape(data, pos, u'"'));
  }
  if (data.startsWith(u"hex(")) {
    // Wine writes a string without its terminating zero as UTF-16LE bytes.
    const qsizetype close = data.indexOf(u"):");
    if (close < 0) return QString();
    const uint type = data.sliced(4, close - 4).toUInt(nullptr, 16);
    QString bytesText = data.sliced(close + 2).toString();
    while (bytesText.endsWith(u'\\') && next < lines.size()) {
      bytesText.chop(1);
      bytesText += lines[next++].trimmed();
    }
    if (type != 1 && type != 2) return QString();
    QByteArray bytes;
    for (const QString& part : bytesText.split(u',', Qt::SkipEmptyParts)) {
      bool ok = false;
      const uint byte = part.trimmed().toUInt(&ok, 16);
      if (!ok || byte > 0xFF) return QString();
      bytes.append(static_cast<char>(byte));
    }
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
      text.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8))));
    return UpToZero(text);
  }
  return QString();  // dword:, hex:, and any other type
}

// The folder a drive link of the prefix leads to (the link itself when it
// leads nowhere).
QString DriveFolder(const QString& dosdevices, const QString& drive) {
  const QString link = EntryIgnoringCase(dosdevices, drive);
  const QString target = QFileInfo(link).canonicalFilePath();
  return target.isEmpty() ? link : target;
}

}  // namespace

namespace wine {

QString PrefixFolder() {
  const QString prefix = qEnvironmentVariable("WINEPREFIX");
  if (!prefix.isEmpty()) return prefix;
  return QDir::homePath() + QStringLiteral("/.wine");
}

std::optional<QString> RegistryValue(const QByteArray& registryFile, QStringView keyName, QStringView valueName) {
  const QStringList lines = QString::fromUtf8(registryFile).split(u'\n');
  bool keyExists = false;
  bool inKey = false;
  qsizetype next = 0;
  while (next < lines.size()) {
    QStringView line = lines[next++];
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.startsWith(u'[')) {
      qsizetype pos = 1;
      const QString name = Unescape(line, pos, u']');
      inKey = name.compare(keyName, Qt::CaseInsensitive) == 0;
      // A key that only holds subkeys may have no section of its own.
      const bool isParent = name.size() > keyName.size() && name[keyName.size()] == u'\\' &&
                            QStringView(name).first(keyName.size()).compare(keyName, Qt::CaseInsensitive) == 0;
      keyExists = keyExists || inKey || isParent;
      continue;
    }
    if (!inKey) continue;
    QString name;
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
      pos = 1;  // the key's default value, which has no name
    } else if (line.startsWith(u'"')) {
      pos = 1;
      name = Unescape(line, pos, u'"');
    } else {
      continue;
    }
    if (pos >= line.size() || line[pos] != u'=') continue;
    const bool wanted = !line.startsWith(u'@') && name.compare(valueName, Qt::CaseInsensitive) == 0;
    qsizetype after = next;
    const QString text = ValueText(line.sliced(pos + 1), lines, after);
    if (wanted) return text;
    next = after;
  }
  if (keyExists) return QString();
  return std::nullopt;
}

QString UnixPath(const QString& prefix, const QString& windowsPath) {
  if (windowsPath.isEmpty()) return QString();
  QString path = windowsPath;
  if (path.startsWith(u"\\\\?\\UNC\\", Qt::CaseInsensitive))
    path = QStringLiteral("\\\\") + path.mid(8);
  else if (path.startsWith(u"\\\\?\\") || path.startsWith(u"\\??\\"))
    path = path.mid(4);

  const QString dosdevices = prefix + QStringLiteral("/dosdevices");
  QString base;
  QString rest;
  const auto isSeparator = [](QChar c) { return c == u'\\' || c == u'/'; };
  if (path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 128) {
    base = DriveFolder(dosdevices, path.first(1).toLower() + u':');
    rest = path.mid(2);
  } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
    base = dosdevices + QStringLiteral("/unc");  // \\server\share
    rest = path.mid(2);
  } else {
    base = DriveFolder(dosdevices, QStringLiteral("c:"));  // no drive given: the system drive
    rest = path;
  }

  QStringList parts;
  rest.replace(u'\\', u'/');
  for (const QString& part : rest.split(u'/', Qt::SkipEmptyParts)) {
    if (part == u".") continue;
    if (part == u"..") {
      if (!parts.isEmpty()) parts.removeLast();  // never above the drive's root
      continue;
    }
    parts.append(part);
  }
  QString result = base;
  for (const QString& part : parts) result = EntryIgnoringCase(result, part);
  return result;
}

std::optional<QString> ReadInstallDir(const QString& prefix) {
  QFile userReg(prefix + QStringLiteral("/user.reg"));
  if (!userReg.open(QIODevice::ReadOnly)) return std::nullopt;
  const std::optional<QString> value =
      RegistryValue(userReg.readAll(), QStringView(kInstallKey), QStringView(kInstallValue));
  if (!value) return std::nullopt;
  return UnixPath(prefix, *value);
}

}  // namespace wine

#ifdef _WIN32

std::optional<QString> ReadRegistryInstallDir() {
  HKEY key = nullptr;
  // Reading needs only the right to query values; asking for more would
  // make a key that the user may not change look missing.
  if (RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(kInstallKey), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS)
    return std::nullopt;
  const auto* name = reinterpret_cast<const wchar_t*>(kInstallValue);
  QString result;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      const std::size_t units = got / sizeof(wchar_t);
      result = QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(wcsnlen(buffer.data(), units)));
    }
  }
  RegCloseKey(key);
  return result;
}

#else

std::optional<QString> ReadRegistryInstallDir() { return wine::ReadInstallDir(wine::PrefixFolder()); }

#endif
