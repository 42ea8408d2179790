// Faces as pictures:
// - photo-like 64 x 80 pictures reduced to 256 colours by libimagequant and by
//   Qt's own conversion to Indexed8: PSNR against the true-colour picture
//   (printed once as a table; the program exits with 1 when libimagequant's
//   mean is not ahead of every Qt way) and the time of each reduction;
// - every face of a demo-sized game (1,541 + 13 faces) exported as PNGs and
//   drawn on the contact sheet (target: well under 2 s together);
// - one `faces import`: a 300 x 400 picture made into a face and written into
//   the 9.5 MB main archive (target: well under 100 ms), on disk and on tmpfs
//   (/dev/shm), where the commit's sync to disk costs nothing.
#include <benchmark/benchmark.h>

#include <QDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>

#include "PhotoLikePictures.h"
#include "core/faces/GameFaces.h"
#include "portraits/ColourReduction.h"
#include "portraits/ContactSheet.h"
#include "portraits/FaceExport.h"
#include "portraits/FacePicture.h"
#include "portraits/PictureToFace.h"
#include "support/FaceArchiveBytes.h"

namespace {

using photo::Psnr;
using photo::TablePictures;

struct Method {
  const char* name;
  QImage (*reduce)(const QImage&);
};

const std::array<Method, 4> kMethods = {{
    {"libimagequant", [](const QImage& p) { return ReduceColours(p); }},
    {"Qt default", [](const QImage& p) { return p.convertToFormat(QImage::Format_Indexed8); }},
    {"Qt Diffuse|PreferDither",
     [](const QImage& p) { return p.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither | Qt::PreferDither); }},
    {"Qt ThresholdDither",
     [](const QImage& p) { return p.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither); }},
}};

// Prints the PSNR table; false when libimagequant's mean is not ahead of every other method's.
bool PrintQualityTable() {
  std::printf("PSNR in dB against the true-colour picture (64 x 80)\n%-12s", "picture");
  for (const Method& method : kMethods) std::printf(" %24s", method.name);
  std::printf("\n");
  std::array<double, kMethods.size()> sums{};
  for (const photo::NamedPicture& entry : TablePictures()) {
    std::printf("%-12s", entry.name.c_str());
    for (std::size_t m = 0; m < kMethods.size(); ++m) {
      const double psnr = Psnr(entry.picture, kMethods[m].reduce(entry.picture));
      sums[m] += psnr;
      std::printf(" %24.2f", psnr);
    }
    std::printf("\n");
  }
  std::printf("%-12s", "mean");
  const double count = static_cast<double>(TablePictures().size());
  bool ahead = true;
  for (std::size_t m = 0; m < kMethods.size(); ++m) {
    std::printf(" %24.2f", sums[m] / count);
    if (m > 0 && sums[0] <= sums[m]) ahead = false;
  }
  std::printf("\n\n");
  std::fflush(stdout);
  if (!ahead) std::fprintf(stderr, "libimagequant's mean PSNR is not ahead of Qt's\n");
  return ahead;
}

void BM_Reduce(benchmark::State& state) {
  const Method& method = kMethods[static_cast<std::size_t>(state.range(0))];
  const photo::NamedPicture& entry = TablePictures()[static_cast<std::size_t>(state.range(1))];
  QImage reduced;
  for (auto _ : state) benchmark::DoNotOptimize(reduced = method.reduce(entry.picture));
  state.counters["PSNR_dB"] = Psnr(entry.picture, reduced);
  state.SetLabel(std::string(method.name) + " / " + entry.name);
}
BENCHMARK(BM_Reduce)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3, 4}})
    ->Unit(benchmark::kMicrosecond);

// A fresh folder under `base`, removed afterwards.
class Scratch {
 public:
  explicit Scratch(const std::filesystem::path& base) {
    std::random_device rd;
    path_ = base / ("velmedit-bench-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  QString Qt(const std::string& name = {}) const {
    return QString::fromStdString((name.empty() ? path_ : path_ / name).string());
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

enum class FaceKind { Demo, Photo };

// A game folder of 1,541 + 13 faces: the demo game's painted busts, or
// photo-like faces of 256 colours (16 pictures reduced by libimagequant,
// taken in turn), which PNG packs far less tightly.
class Game {
 public:
  explicit Game(FaceKind kind) : dir_(std::filesystem::temp_directory_path()), game_(dir_.Qt()) {
    if (kind == FaceKind::Demo) {
      const std::string command = std::string("\"") + VELM_GEN_DEMO_FACES + "\" \"" + (dir_.Path() / "grp").string() + "\" 13";
      if (std::system(command.c_str()) != 0) throw std::runtime_error("gen_demo_faces failed");
      return;
    }
    WriteGameFaces(dir_.Path(), kMainFaceCount, 13);
    std::vector<FaceImage> photos;
    for (std::uint32_t seed = 0; seed < 16; ++seed) {
      photos.push_back(FaceFromIndexedPicture(ReduceColours(photo::FaceLike(64, 80, seed)), FaceImage{}));
    }
    std::vector<FaceReplacement> faces;
    for (int face : game_.Faces()) faces.push_back({face, photos[faces.size() % photos.size()]});
    game_.Replace(faces);
  }
  const GameFaces& Archives() const { return game_; }
  QString Folder(const std::string& name) const { return dir_.Qt(name); }

 private:
  Scratch dir_;
  GameFaces game_;
};

const Game& SharedGame(FaceKind kind) {
  static const Game demo(FaceKind::Demo);
  static const Game photos(FaceKind::Photo);
  return kind == FaceKind::Demo ? demo : photos;
}

void ExportEveryFace(const Game& game) {
  ExportFaces(game.Archives(), game.Archives().Faces(), game.Folder("export"));
}

void DrawAndSaveSheet(const Game& game) {
  const QImage sheet = DrawContactSheet(game.Archives(), game.Archives().Faces(), kDefaultSheetColumns);
  if (!sheet.save(game.Folder("sheet.png"), "PNG")) throw std::runtime_error("sheet not written");
}

void BM_ExportAndSheet(benchmark::State& state, FaceKind kind) {
  const Game& game = SharedGame(kind);
  for (auto _ : state) {
    ExportEveryFace(game);
    DrawAndSaveSheet(game);
  }
  state.counters["faces"] = static_cast<double>(game.Archives().Faces().size());
}
BENCHMARK_CAPTURE(BM_ExportAndSheet, demo, FaceKind::Demo)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ExportAndSheet, photo, FaceKind::Photo)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportOnly(benchmark::State& state, FaceKind kind) {
  const Game& game = SharedGame(kind);
  for (auto _ : state) ExportEveryFace(game);
}
BENCHMARK_CAPTURE(BM_ExportOnly, photo, FaceKind::Photo)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SheetOnly(benchmark::State& state, FaceKind kind) {
  const Game& game = SharedGame(kind);
  for (auto _ : state) DrawAndSaveSheet(game);
}
BENCHMARK_CAPTURE(BM_SheetOnly, photo, FaceKind::Photo)->Unit(benchmark::kMillisecond)->Iterations(3);

// The 300 x 400 pictures an import alternates between, so that every
// replacement changes the archive.
const std::array<QImage, 2>& ImportPictures() {
  static const std::array<QImage, 2> pictures = {photo::FaceLike(300, 400, 5), photo::FaceLike(300, 400, 6)};
  return pictures;
}

void BM_PictureToFace300x400(benchmark::State& state) {
  const FaceImage current{};
  for (auto _ : state) benchmark::DoNotOptimize(PictureToFace(ImportPictures()[0], {}, current));
}
BENCHMARK(BM_PictureToFace300x400)->Unit(benchmark::kMillisecond);

// `faces import --face 131 picture.png` after the first import: the backup
// exists, so the archive is read, checked, written beside, renamed and read back.
void BM_ImportOneFace(benchmark::State& state, const char* base) {
  const Scratch dir(base[0] != '\0' ? std::filesystem::path(base) : std::filesystem::temp_directory_path());
  WriteGameFaces(dir.Path(), kMainFaceCount, 13);
  const GameFaces game(dir.Qt());
  const int face = 131;
  game.Replace({{face, FaceImage{}}});  // the backup, written once
  std::size_t turn = 0;
  for (auto _ : state) {
    const FaceImage current = game.Read(face);
    game.Replace({{face, PictureToFace(ImportPictures()[turn++ % 2], {}, current)}});
  }
  state.counters["archive_MB"] = static_cast<double>(std::filesystem::file_size(game.MainPath())) / 1e6;
}
BENCHMARK_CAPTURE(BM_ImportOneFace, temp_dir, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportOneFace, dev_shm, "/dev/shm")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!PrintQualityTable()) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
