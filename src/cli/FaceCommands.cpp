#include "cli/FaceCommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "cli/CommandOptions.h"
#include "core/faces/FaceSelection.h"
#include "core/faces/GameFaces.h"
#include "core/faces/InstallRegistry.h"
#include "core/faces/SettingsFile.h"
#include "core/language/CoreText.h"
#include "portraits/ContactSheet.h"
#include "portraits/FaceExport.h"
#include "portraits/FacePicture.h"
#include "portraits/PictureToFace.h"

#ifdef _WIN32
#include <io.h>
#define velm_isatty _isatty
#else
#include <unistd.h>
#define velm_isatty isatty
#endif

namespace {

std::string Tr(const char* text, std::initializer_list<std::string_view> pieces = {}) { return CoreText("FaceCommands", text, pieces); }

QCommandLineOption ValueOption(const char* name, const char* valueName) {
  return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
}

std::string Native(const QString& path) { return "“" + QDir::toNativeSeparators(path).toStdString() + "”"; }

// The installation folder: --game, else the one the window uses (the
// registry's, else the settings file's).
QString GameFolder(const QCommandLineParser& parser) {
  QString game = parser.value(QStringLiteral("game"));
  if (game.isEmpty()) game = ReadRegistryInstallDir().value_or(ReadSettingsFile());
  if (game.isEmpty()) throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "没有给出 --game，也找不到游戏的安装目录"))};
  if (!QFileInfo(game).isDir())
    throw std::runtime_error(Tr(QT_TRANSLATE_NOOP("FaceCommands", "安装目录 %1 不是一个文件夹"), {Native(game)}));
  return game;
}

QString Required(const QCommandLineParser& parser, const char* name) {
  const QString value = parser.value(QString::fromLatin1(name));
  if (value.isEmpty()) throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "缺少选项 --%1"), {name})};
  return value;
}

std::vector<int> ChosenFaces(const QCommandLineParser& parser, const GameFaces& game) {
  const int added = game.AddedFaceCount();
  if (!parser.isSet(QStringLiteral("faces"))) return AllFaces(added);
  return ParseFaceSelection(parser.value(QStringLiteral("faces")), added);
}

// "导出头像 500/1541" on the error stream, rewritten in place, once the work
// has lasted a moment and only on a terminal.
class TerminalProgress {
 public:
  TerminalProgress(std::ostream& err, const char* what) : err_(err), what_(what), terminal_(velm_isatty(2) != 0) {
    clock_.start();
  }
  ~TerminalProgress() {
    if (shown_) err_ << "\r" << std::string(40, ' ') << "\r" << std::flush;
  }
  FaceProgress Callback() {
    return [this](int done, int total) {
      if (!terminal_ || clock_.elapsed() < 300) return;
      shown_ = true;
      err_ << "\r" << Tr(what_) << " " << done << "/" << total << std::flush;
    };
  }

 private:
  std::ostream& err_;
  const char* what_;
  bool terminal_;
  bool shown_ = false;
  QElapsedTimer clock_;
};

// The new backups a replacement made, named on the output.
class BackupReport {
 public:
  explicit BackupReport(const GameFaces& game) : game_(game) {
    for (const auto& path : {game.MainPath(), game.AddedPath()}) existed_.push_back(Exists(path));
  }
  void Print(std::ostream& out) const {
    const std::filesystem::path paths[] = {game_.MainPath(), game_.AddedPath()};
    for (std::size_t i = 0; i < 2; ++i) {
      if (!existed_[i] && Exists(paths[i]))
        out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "头像档原样备份为 %1"), {QuotedPath(GameFaces::BackupPathFor(paths[i]))}) << "\n";
    }
  }

 private:
  static bool Exists(const std::filesystem::path& archive) {
    std::error_code error;
    return std::filesystem::exists(GameFaces::BackupPathFor(archive), error);
  }
  const GameFaces& game_;
  std::vector<bool> existed_;
};

int Export(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  QCommandLineParser parser;
  ReadCommandArguments(parser, {ValueOption("game", "folder"), ValueOption("out", "folder"), ValueOption("faces", "list")},
                       arguments, 0);
  const QString folder = Required(parser, "out");
  const GameFaces game(GameFolder(parser));
  const std::vector<int> faces = ChosenFaces(parser, game);
  TerminalProgress progress(err, QT_TRANSLATE_NOOP("FaceCommands", "导出头像"));
  ExportFaces(game, faces, folder, progress.Callback());
  out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "已导出 %1 个头像到 %2"), {std::to_string(faces.size()), Native(folder)}) << "\n";
  return 0;
}

int Sheet(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  QCommandLineParser parser;
  ReadCommandArguments(parser,
                       {ValueOption("game", "folder"), ValueOption("out", "file"), ValueOption("faces", "list"),
                        ValueOption("columns", "count")},
                       arguments, 0);
  const QString file = Required(parser, "out");
  int columns = kDefaultSheetColumns;
  if (parser.isSet(QStringLiteral("columns"))) {
    bool number = false;
    columns = parser.value(QStringLiteral("columns")).toInt(&number);
    if (!number || columns < 1 || columns > 200) throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "--columns 应为 1 至 200 的整数"))};
  }
  const GameFaces game(GameFolder(parser));
  const std::vector<int> faces = ChosenFaces(parser, game);
  TerminalProgress progress(err, QT_TRANSLATE_NOOP("FaceCommands", "排列头像"));
  const QImage sheet = DrawContactSheet(game, faces, columns, progress.Callback());
  WritePng(sheet, file);
  out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "头像总览图 %1：%2 个头像，每行 %3 个，%4 × %5 像素"),
            {Native(file), std::to_string(faces.size()), std::to_string(columns), std::to_string(sheet.width()),
             std::to_string(sheet.height())})
      << "\n";
  return 0;
}

int OneFace(const QCommandLineParser& parser, const GameFaces& game) {
  const std::vector<int> faces = ParseFaceSelection(Required(parser, "face"), game.AddedFaceCount());
  if (faces.size() != 1) throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "--face 只能给一个头像编号"))};
  return faces.front();
}

FaceConversion ConversionOf(const QCommandLineParser& parser) {
  FaceConversion conversion;
  const QString fit = parser.value(QStringLiteral("fit"));
  if (fit == QLatin1String("pad")) conversion.fit = PictureFit::Pad;
  else if (!fit.isEmpty() && fit != QLatin1String("crop"))
    throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "--fit 只能是 crop 或 pad"))};
  const QString palette = parser.value(QStringLiteral("palette"));
  if (palette == QLatin1String("keep")) conversion.palette = PaletteChoice::Keep;
  else if (!palette.isEmpty() && palette != QLatin1String("new"))
    throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "--palette 只能是 new 或 keep"))};
  return conversion;
}

// Every NNNN.png of the folder as a face, refused by name when the number names no face.
std::vector<FaceReplacement> FolderFaces(const QString& folder, const GameFaces& game, const FaceConversion& conversion) {
  const QDir dir(folder);
  if (!dir.exists()) throw std::runtime_error(Tr(QT_TRANSLATE_NOOP("FaceCommands", "找不到文件夹 %1"), {Native(folder)}));
  const int added = game.AddedFaceCount();
  static const QRegularExpression name(QStringLiteral("^(\\d{4})\\.png$"), QRegularExpression::CaseInsensitiveOption);
  std::vector<FaceReplacement> faces;
  for (const QString& entry : dir.entryList(QDir::Files, QDir::Name)) {
    const QRegularExpressionMatch match = name.match(entry);
    if (!match.hasMatch()) continue;
    const int face = match.captured(1).toInt();
    try {
      RequireFace(face, added);
    } catch (const FaceSelectionError& e) {
      throw std::runtime_error(Native(dir.filePath(entry)) + "：" + e.what());
    }
    faces.push_back({face, PictureToFace(LoadPicture(dir.filePath(entry)), conversion, game.Read(face))});
  }
  if (faces.empty())
    throw std::runtime_error(Tr(QT_TRANSLATE_NOOP("FaceCommands", "文件夹 %1 中没有 NNNN.png 头像图片"), {Native(folder)}));
  return faces;
}

int Import(const QStringList& arguments, std::ostream& out) {
  QCommandLineParser parser;
  const QStringList pictures = ReadCommandArguments(
      parser,
      {ValueOption("game", "folder"), ValueOption("face", "number"), ValueOption("from", "folder"),
       ValueOption("fit", "crop|pad"), ValueOption("palette", "new|keep"), QCommandLineOption(QStringLiteral("dry-run")),
       ValueOption("preview", "file")},
      arguments, -1);
  const bool fromFolder = parser.isSet(QStringLiteral("from"));
  if (fromFolder == parser.isSet(QStringLiteral("face")))
    throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "请给出 --face 编号 和图片，或 --from 文件夹"))};
  if (pictures.size() != (fromFolder ? 0 : 1)) {
    throw UsageError{fromFolder ? Tr(QT_TRANSLATE_NOOP("FaceCommands", "用 --from 时不再给图片文件"))
                                : Tr(QT_TRANSLATE_NOOP("FaceCommands", "需要 1 个图片文件"))};
  }
  if (fromFolder && parser.isSet(QStringLiteral("preview")))
    throw UsageError{Tr(QT_TRANSLATE_NOOP("FaceCommands", "--preview 只能与 --face 一起用"))};
  const FaceConversion conversion = ConversionOf(parser);
  const GameFaces game(GameFolder(parser));

  std::vector<FaceReplacement> faces;
  if (fromFolder) {
    faces = FolderFaces(parser.value(QStringLiteral("from")), game, conversion);
  } else {
    const int face = OneFace(parser, game);
    const FaceImage current = game.Read(face);
    faces.push_back({face, PictureToFace(LoadPicture(pictures.front()), conversion, current)});
    if (parser.isSet(QStringLiteral("preview"))) {
      const QString preview = parser.value(QStringLiteral("preview"));
      WritePng(FacePicture(faces.front().image), preview);
      out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "预览写入 %1"), {Native(preview)}) << "\n";
    }
  }
  if (parser.isSet(QStringLiteral("dry-run"))) {
    out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "试运行：%1 个头像可以替换，未写入任何文件"), {std::to_string(faces.size())}) << "\n";
    return 0;
  }
  const BackupReport backups(game);
  const int changed = game.Replace(faces);
  backups.Print(out);
  if (changed == 0)
    out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "头像与头像档中的相同，头像档未改变")) << "\n";
  else if (faces.size() == 1)
    out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "头像 %1 已替换"), {std::to_string(faces.front().face)}) << "\n";
  else
    out << Tr(QT_TRANSLATE_NOOP("FaceCommands", "已替换 %1 个头像（共 %2 个图片）"),
              {std::to_string(changed), std::to_string(faces.size())})
        << "\n";
  return 0;
}

int Restore(const QStringList& arguments, std::ostream& out) {
  QCommandLineParser parser;
  ReadCommandArguments(parser, {ValueOption("game", "folder"), ValueOption("face", "list")}, arguments, 0);
  const GameFaces game(GameFolder(parser));
  const std::vector<int> faces = ParseFaceSelection(Required(parser, "face"), game.AddedFaceCount());
  const int changed = game.Restore(faces);
  out << (changed < static_cast<int>(faces.size())
              ? Tr(QT_TRANSLATE_NOOP("FaceCommands", "已从备份取回 %1 个头像（其余的与备份相同）"), {std::to_string(changed)})
              : Tr(QT_TRANSLATE_NOOP("FaceCommands", "已从备份取回 %1 个头像"), {std::to_string(changed)}))
      << "\n";
  return 0;
}

// Pictures need a Qt application object for their format plugins (JPEG,
// GIF), found beside the program on Windows; no display is involved.
std::unique_ptr<QCoreApplication> EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 1;
  static char name[] = "velmedit";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int RunFaceCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
  const QString command = arguments.value(1);
  const QString usageName = QStringLiteral("faces ") + command;
  // QCommandLineParser takes the program name first; the command word stands where a subcommand would.
  const QStringList withProgram = QStringList{QStringLiteral("velmedit")} + arguments.mid(1);
  const auto application = EnsureApplication();
  try {
    if (command == QLatin1String("export")) return Export(withProgram, out, err);
    if (command == QLatin1String("sheet")) return Sheet(withProgram, out, err);
    if (command == QLatin1String("import")) return Import(withProgram, out);
    if (command == QLatin1String("restore")) return Restore(withProgram, out);
    if (command == QLatin1String("-h") || command == QLatin1String("--help")) {
      out << FaceCommandUsage(QStringLiteral("faces"));
      return 0;
    }
    err << (command.isEmpty() ? Tr(QT_TRANSLATE_NOOP("FaceCommands", "缺少命令"))
                              : Tr(QT_TRANSLATE_NOOP("FaceCommands", "未知命令 %1"), {command.toStdString()}))
        << "\n\n"
        << FaceCommandUsage(QStringLiteral("faces"));
  } catch (const HelpRequested&) {
    out << FaceCommandUsage(usageName);
    return 0;
  } catch (const UsageError& e) {
    err << e.message << "\n\n" << FaceCommandUsage(usageName);
  } catch (const std::exception& e) {
    err << e.what() << "\n";
  }
  return 2;
}
