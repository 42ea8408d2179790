#pragma once
// A table committed in the source tree, the character table unless named:
// below VELM_SOURCE_DIR, else below the tree the build was configured from
// (VELM_CONFIGURED_SOURCE_DIR, which CMake gives the tests that include this).
#include <cstdlib>
#include <filesystem>

inline std::filesystem::path CommittedTablePath(const char* name = "CharacterTable.bin") {
  const char* source = std::getenv("VELM_SOURCE_DIR");
  return std::filesystem::path(source ? source : VELM_CONFIGURED_SOURCE_DIR) / "src" / "core" / "convert" / name;
}
