#pragma once
// The character table committed in the source tree: below VELM_SOURCE_DIR,
// else below the tree the build was configured from (VELM_CONFIGURED_SOURCE_DIR,
// which CMake gives the tests that include this).
#include <cstdlib>
#include <filesystem>

inline std::filesystem::path CommittedTablePath() {
  const char* source = std::getenv("VELM_SOURCE_DIR");
  return std::filesystem::path(source ? source : VELM_CONFIGURED_SOURCE_DIR) / "src" / "core" / "convert" / "CharacterTable.bin";
}
