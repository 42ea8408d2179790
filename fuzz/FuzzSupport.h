#pragma once
// What the fuzz targets share: a broken contract stops the run loudly, and
// files live in one scratch folder per process.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "support/TempDir.h"

// libFuzzer and the replay both call this for every input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

inline void Require(bool holds, const char* contract) {
  if (holds) return;
  std::fprintf(stderr, "contract broken: %s\n", contract);
  std::abort();
}

// Removed when the process ends normally; a crash leaves it for inspection.
inline const TempDir& Scratch() {
  static const TempDir dir;
  return dir;
}

// Splits an input into leading fixed-size parts and the rest; missing bytes read as zero.
class InputBytes {
 public:
  InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() {
    const std::uint8_t b = pos_ < size_ ? data_[pos_] : 0;
    if (pos_ < size_) ++pos_;
    return b;
  }
  std::int32_t Int32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t{Byte()} << (8 * i);
    return static_cast<std::int32_t>(v);
  }
  std::vector<unsigned char> Rest() const {
    return std::vector<unsigned char>(data_ + pos_, data_ + size_);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};
