#pragma once
// Writes a generated table file whole; says so on standard error when it
// cannot.
#include <cstdio>
#include <fstream>
#include <string>

namespace chartable {

inline bool WriteBytes(const char* path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::fprintf(stderr, "cannot write %s\n", path);
  return static_cast<bool>(file);
}

}  // namespace chartable
