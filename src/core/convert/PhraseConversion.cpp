#include "core/convert/PhraseConversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <exception>
#include <iostream>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <utility>

// OpenCC's headers, found in its include folder (pkg-config: opencc).
#include <Exception.hpp>
#include <SimpleConverter.hpp>

#include "core/convert/Big5Rule.h"
#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
#include "core/language/CoreText.h"

#ifdef _WIN32
#include <windows.h>  // after our headers: it declares a global `byte`
#endif

namespace {

constexpr const char* kConfigName = "s2tw.json";

struct Listening {
  std::mutex mutex;
  std::function<void(const std::string&)> listener;
};

Listening& Listener() {
  static Listening listening;
  return listening;
}

QString ProgramFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
#ifdef _WIN32
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return {};
  return QFileInfo(QString::fromWCharArray(path, static_cast<qsizetype>(length))).absolutePath();
#else
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#endif
}

std::vector<QString> ConfigPlaces(const std::string& chosen) {
  if (!chosen.empty()) return {QString::fromStdString(chosen)};
  std::vector<QString> places;
  if (const QString folder = ProgramFolder(); !folder.isEmpty()) {
    places.push_back(QDir(folder).filePath(QStringLiteral("opencc/") + QString::fromLatin1(kConfigName)));
  }
#ifndef _WIN32
  for (const char* data : {"/usr/share/opencc/", "/usr/local/share/opencc/"}) {
    places.push_back(QString::fromLatin1(data) + QString::fromLatin1(kConfigName));
  }
#endif
  return places;
}

#ifdef _WIN32
// OpenCC opens its files by narrow path, which Windows reads in the ANSI code
// page: a folder named in characters outside it (a Chinese folder on a
// Western system) would not be found. Its files are therefore opened by name
// from inside their folder, and the working folder is put back at once.
std::unique_ptr<const opencc::SimpleConverter> OpenConverter(const QString& place) {
  const QFileInfo config(place);
  const QString previous = QDir::currentPath();
  if (!QDir::setCurrent(config.absolutePath()))
    throw std::runtime_error(CoreText("PhraseConversion", QT_TRANSLATE_NOOP("PhraseConversion", "无法进入文件夹")));
  try {
    auto converter = std::make_unique<const opencc::SimpleConverter>(config.fileName().toStdString());
    QDir::setCurrent(previous);
    return converter;
  } catch (...) {
    QDir::setCurrent(previous);
    throw;
  }
}
#else
std::unique_ptr<const opencc::SimpleConverter> OpenConverter(const QString& place) {
  return std::make_unique<const opencc::SimpleConverter>(QFile::encodeName(place).toStdString());
}
#endif

}  // namespace

struct PhraseConverter::State {
  std::mutex mutex;
  std::string configFile;  // empty: the usual places
  bool loaded = false;
  std::unique_ptr<const opencc::SimpleConverter> converter;
  std::optional<std::string> off;
};

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("PhraseConversion", text, pieces); }

// Loads the converter, or says in `state.off` why not (the lock is held).
void Load(PhraseConverter::State& state) {
  state.loaded = true;
  std::string tried;
  for (const QString& place : ConfigPlaces(state.configFile)) {
    if (!QFileInfo(place).isFile()) {
      tried +=
          (tried.empty() ? std::string() : Tr(QT_TRANSLATE_NOOP("PhraseConversion", "、"))) + QDir::toNativeSeparators(place).toStdString();
      continue;
    }
    std::string problem;
    try {
      state.converter = OpenConverter(place);
      return;
    } catch (const opencc::Exception& e) {
      problem = e.what();
    } catch (const std::exception& e) {
      problem = e.what();
    }
    state.off = Tr(QT_TRANSLATE_NOOP("PhraseConversion", "无法读取 OpenCC 的数据 %1：%2"),
                   {QDir::toNativeSeparators(place).toStdString(), problem});
    return;
  }
  state.off = Tr(QT_TRANSLATE_NOOP("PhraseConversion", "找不到 OpenCC 的数据 %1（%2）"), {kConfigName, tried});
}

// The converter, loaded on first use; nullptr while conversion is off. A
// failure to load is told once, outside the lock.
const opencc::SimpleConverter* Converter(PhraseConverter::State& state) {
  std::string message;
  {
    const std::lock_guard lock(state.mutex);
    if (state.loaded) return state.converter.get();
    Load(state);
    if (state.converter) return state.converter.get();
    message = Tr(QT_TRANSLATE_NOOP("PhraseConversion", "词组转换已关闭：%1；输入的字逐字按字表转为繁体。"), {*state.off});
  }
  std::function<void(const std::string&)> listener;
  {
    const std::lock_guard lock(Listener().mutex);
    listener = Listener().listener;
  }
  if (listener) {
    listener(message);
  } else {
    std::cerr << "velmedit: " << message << std::endl;
  }
  return nullptr;
}

std::optional<std::string> Convert(const opencc::SimpleConverter& converter, const std::string& utf8) {
  try {
    return converter.Convert(utf8);
  } catch (const opencc::Exception&) {
    return std::nullopt;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Words of the game's world that OpenCC's dictionaries write otherwise:
// titles (征西將軍, not 徵西), offices, people and places. Each replaces
// OpenCC's writing wherever the typed text holds it.
constexpr std::pair<std::u32string_view, std::u32string_view> kGameWords[] = {
    {U"征东", U"征東"}, {U"征西", U"征西"}, {U"征南", U"征南"},     {U"征北", U"征北"}, {U"征辟", U"徵辟"},
    {U"凌统", U"凌統"}, {U"文丑", U"文醜"}, {U"尚书台", U"尚書臺"}, {U"范疆", U"范疆"},
};

// Writes the game's words over OpenCC's result (both one for one).
void PutGameWords(const std::u32string& typed, std::u32string& written) {
  for (const auto& [word, traditional] : kGameWords) {
    for (std::size_t at = typed.find(word); at != std::u32string::npos; at = typed.find(word, at + word.size())) {
      written.replace(at, traditional.size(), traditional);
    }
  }
}

std::u32string Ucs4(const QString& text) {
  std::u32string points;
  for (const uint c : text.toUcs4()) points += static_cast<char32_t>(c);
  return points;
}

bool IsHanzi(char32_t c) { return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF); }

// The one code point a GBK character decodes to, 0 for anything else.
char32_t SingleCodePoint(const QString& character) {
  const std::u32string points = Ucs4(character);
  return points.size() == 1 ? points[0] : 0;
}

std::string Utf8Of(char32_t c) { return QString::fromUcs4(&c, 1).toStdString(); }

}  // namespace

PhraseConverter::PhraseConverter(std::string configFile) : state_(std::make_unique<State>()) {
  state_->configFile = std::move(configFile);
}

PhraseConverter::~PhraseConverter() = default;

const PhraseConverter& ProgramPhrases() {
  static const PhraseConverter program;
  return program;
}

std::vector<std::string> PhraseConverter::Choices(std::string_view gbk, bool phrasesOnly) const {
  const std::vector<std::string_view> characters = SplitCharacters(gbk);
  std::vector<std::string> chosen(characters.size());
  const opencc::SimpleConverter* converter = Converter(*state_);
  if (!converter || characters.empty()) return chosen;

  std::vector<QString> typed;
  QString whole;
  for (std::string_view character : characters) {
    typed.push_back(FromGbk(character));
    whole += typed.back();
  }
  const std::optional<std::string> converted = Convert(*converter, whole.toStdString());
  if (!converted) return chosen;
  const std::u32string typedPoints = Ucs4(whole);
  std::u32string written = Ucs4(QString::fromStdString(*converted));
  // OpenCC's phrases replace characters one for one; should a result not
  // pair up, the table decides every character.
  if (written.size() != typedPoints.size()) return chosen;
  PutGameWords(typedPoints, written);

  std::size_t at = 0;
  for (std::size_t j = 0; j < characters.size(); ++j) {
    const char32_t own = SingleCodePoint(typed[j]);
    const std::size_t length = Ucs4(typed[j]).size();
    const char32_t choice = written[at];
    at += length;
    if (!IsHanzi(own) || !IsHanzi(choice)) continue;
    if (phrasesOnly && Convert(*converter, Utf8Of(own)) == Utf8Of(choice)) continue;
    const std::string big5 = Big5Of(choice);
    if (big5.size() != 2) continue;
    if (Big5Defines(PairCode(static_cast<unsigned char>(big5[0]), static_cast<unsigned char>(big5[1])))) chosen[j] = big5;
  }
  return chosen;
}

std::optional<std::string> PhraseConverter::Off() const {
  Converter(*state_);
  const std::lock_guard lock(state_->mutex);
  return state_->off;
}

void SetPhraseConversionListener(std::function<void(const std::string& message)> listener) {
  const std::lock_guard lock(Listener().mutex);
  Listener().listener = std::move(listener);
}
