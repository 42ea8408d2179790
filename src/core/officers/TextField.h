#pragma once
// A zero-terminated byte text inside a fixed-width field of the officer record.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A stored text ends at its first zero byte, or with its field.
inline std::string_view UpToZero(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

template <std::size_t Width>
struct TextField {
  static constexpr std::size_t kWidth = Width;
  std::array<std::uint8_t, Width> bytes{};

  // The bytes up to the first zero, or the whole field when it holds no zero.
  std::string Text() const { return std::string(UpToZero({reinterpret_cast<const char*>(bytes.data()), Width})); }

  // Puts the text and one zero byte at the start of the field and keeps the
  // later bytes. A text too long for the field is cut at a character boundary
  // (a byte of 0x80 or above starts a two-byte character), so the terminator
  // always fits.
  void Write(std::string_view text) {
    std::size_t n = FittingLength(text, Width - 1);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(text[i]);
    bytes[n] = 0;
  }

  // Number of bytes of text that fit in max bytes without splitting a character.
  static std::size_t FittingLength(std::string_view text, std::size_t max) {
    std::size_t i = 0;
    while (i < text.size()) {
      std::size_t step = static_cast<std::uint8_t>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
      if (i + step > max) break;
      i += step;
    }
    return i;
  }

  bool operator==(const TextField&) const = default;
};
