// Peak memory of opening TPERSON.VMR and of opening and saving it, for a
// file of the game's 28,604 bytes and for a 1 GiB sparse file whose first
// 28,604 bytes are the same. Target: the large file within 10 % of the small.
//
// Each case runs in a fresh process (this program started again with
// --child), which reports its own peak resident set size, VmHWM from
// /proc/self/status, once the work is done; the parent prints the figures.
// Resident size counts what the program holds in memory, not the kernel's
// page cache, so it shows whether the file's bytes pass through the program.
//
//   officer_file_memory_bench [folder for the files, default: the system's temporary folder]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "core/officers/OfficerFile.h"
#include "support/OfficerBytes.h"
#include "support/TempDir.h"

namespace {

constexpr std::uintmax_t kLargeSize = std::uintmax_t{1} << 30;

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

int RunChild(const std::string& work, const std::filesystem::path& file) {
  try {
    if (work != "idle") {
      OfficerTable table = LoadOfficerFile(file);
      if (work == "save") {
        table[0].Face = static_cast<std::uint16_t>(table[0].Face + 1);
        SaveOfficerFile(file, table);
      }
    }
  } catch (const OfficerFileError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::printf("%ld\n", PeakResidentKiB());
  return 0;
}

struct Measured {
  long peakKiB = -1;
  double seconds = 0;
};

Measured Measure(const char* self, const std::string& work, const std::filesystem::path& file) {
  const std::string command = std::string("'") + self + "' --child " + work + " '" + file.string() + "'";
  const auto start = std::chrono::steady_clock::now();
  FILE* child = popen(command.c_str(), "r");
  Measured m;
  if (child == nullptr || std::fscanf(child, "%ld", &m.peakKiB) != 1) m.peakKiB = -1;
  if (child != nullptr && pclose(child) != 0) m.peakKiB = -1;
  m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return m;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--child") == 0) return RunChild(argv[2], argv[3]);

  std::filesystem::path folder = argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  folder /= "velmedit-memory-bench";
  std::filesystem::create_directories(folder);
  const std::filesystem::path small = folder / "small" / "TPERSON.VMR";
  const std::filesystem::path large = folder / "large" / "TPERSON.VMR";
  std::filesystem::create_directories(small.parent_path());
  std::filesystem::create_directories(large.parent_path());
  WriteBytes(small, RandomOfficerFile(1));
  WriteBytes(large, RandomOfficerFile(1));
  std::filesystem::resize_file(large, kLargeSize);  // a hole: no disk space until the save fills it

  std::printf("Peak resident memory (VmHWM) of one process, in KiB\n");
  const Measured idle = Measure(argv[0], "idle", small);
  std::printf("  %-28s %8ld\n", "process alone", idle.peakKiB);
  bool within = idle.peakKiB > 0;
  for (const char* work : {"open", "save"}) {
    const Measured a = Measure(argv[0], work, small);
    const Measured b = Measure(argv[0], work, large);
    const double ratio = a.peakKiB > 0 ? static_cast<double>(b.peakKiB) / static_cast<double>(a.peakKiB) : 0;
    const char* label = std::strcmp(work, "open") == 0 ? "open" : "open + save";
    std::printf("  %-12s %-15s %8ld  (%.2f s)\n", label, "28,604 bytes", a.peakKiB, a.seconds);
    std::printf("  %-12s %-15s %8ld  (%.2f s)  large / small = %.3f\n", label, "1 GiB sparse", b.peakKiB, b.seconds,
                ratio);
    within = within && a.peakKiB > 0 && b.peakKiB > 0 && ratio <= 1.10;
  }
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  std::printf("%s: the 1 GiB file %s within 10 %% of the small one\n", within ? "PASS" : "FAIL",
              within ? "stays" : "does not stay");
  return within ? 0 : 1;
}
