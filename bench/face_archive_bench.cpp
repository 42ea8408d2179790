// One page of the face picker reads 21 faces straight from the archives,
// nothing cached: how long that takes from each archive.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "faces/FaceArchive.h"

namespace {

struct Archives {
  std::filesystem::path dir;
  std::unique_ptr<FaceArchive> main, added;

  Archives() {
    std::random_device rd;
    dir = std::filesystem::temp_directory_path() / ("velmedit-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    std::vector<char> bytes(static_cast<std::size_t>(kMainImagesOffset) + std::size_t{kMainFaceCount} * kFaceImageBytes, 7);
    std::ofstream(dir / "grpfaces.vmr", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    constexpr int kAdded = 21;
    std::vector<char> addedBytes(static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock * kAdded), 0);
    auto put = [&](std::size_t at, std::int32_t v) {
      for (int i = 0; i < 4; ++i) addedBytes[at + static_cast<std::size_t>(i)] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    };
    put(static_cast<std::size_t>(kAddedCountOffset), kAdded * kAddedCountPerFace);
    for (int k = 0; k < kAdded; ++k) {
      put(static_cast<std::size_t>(kAddedDirectoryOffset + kAddedDirectoryBlock * k), static_cast<std::int32_t>(addedBytes.size()));
      addedBytes.resize(addedBytes.size() + kFaceImageBytes, 9);
    }
    std::ofstream(dir / "grpaface.vmr", std::ios::binary).write(addedBytes.data(), static_cast<std::streamsize>(addedBytes.size()));
    main = FaceArchive::Open(dir / "grpfaces.vmr");
    added = FaceArchive::Open(dir / "grpaface.vmr");
  }
  ~Archives() {
    main.reset();
    added.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

Archives& Shared() {
  static Archives archives;
  return archives;
}

void BM_PickerPageMainArchive(benchmark::State& state) {
  FaceArchive* archive = Shared().main.get();
  int first = 0;
  for (auto _ : state) {
    for (int i = 0; i < 21; ++i) benchmark::DoNotOptimize(ReadFace(FaceAtPosition(first + i), archive));
    first = (first + 21) % 1520;
  }
}
BENCHMARK(BM_PickerPageMainArchive);

void BM_PickerPageAddedArchive(benchmark::State& state) {
  FaceArchive* archive = Shared().added.get();
  for (auto _ : state) {
    for (int i = 0; i < 21; ++i) benchmark::DoNotOptimize(ReadFace(kFirstAddedFace + i, archive));
  }
}
BENCHMARK(BM_PickerPageAddedArchive);

}  // namespace

BENCHMARK_MAIN();
