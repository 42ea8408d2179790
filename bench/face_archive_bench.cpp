// One page of the face picker reads 21 faces straight from the archives,
// nothing cached: how long that takes from each archive.
#include <benchmark/benchmark.h>

#include "core/faces/FaceArchive.h"
#include "support/FaceArchiveBytes.h"
#include "support/TempDir.h"

namespace {

struct Archives {
  TempDir dir;
  std::unique_ptr<FaceArchive> main, added;

  Archives() {
    WriteBytes(dir / "grpfaces.vmr", MainArchiveBytes());
    WriteBytes(dir / "grpaface.vmr", AddedArchiveBytes(21));
    main = FaceArchive::Open(dir / "grpfaces.vmr");
    added = FaceArchive::Open(dir / "grpaface.vmr");
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
