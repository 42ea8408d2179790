#pragma once
// An exchange file read into plain values, the same for JSON and CSV: the
// slots it names, each with the fields it names as texts (ExchangeFields.h)
// and the bytes the named fields do not express ("raw"), and where each
// value stood in the file, for error messages.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

inline constexpr const char* kExchangeFormatName = "velmedit-officers";
inline constexpr int kExchangeFormatVersion = 1;
// Larger files are refused before they are read: a full export of 110
// officers takes about 150 KB.
inline constexpr long long kExchangeFileLimit = 4 * 1024 * 1024;

// Where a value stands: a CSV line and column (1-based; a column is a cell,
// counted from the row's first), a JSON line and character, or a JSON
// officer (its index in "officers"); 0 / -1 when not known.
struct SourcePlace {
  int line = 0;
  int column = 0;
  int officer = -1;
  int character = 0;
};

struct ExchangeValue {
  std::string key;
  std::string text;
  SourcePlace place;
};

struct ExchangeSlot {
  int slot = -1;  // 0-109
  SourcePlace place;
  std::vector<ExchangeValue> values;
  // Raw bytes by key, hex: "header", the preserved ranges "bytes32",
  // "bytes53", "bytes66", "bytes72", and named fields whose value alone
  // does not give the stored bytes. Present in every exported slot.
  std::optional<std::vector<std::pair<std::string, std::string>>> raw;
  SourcePlace rawPlace;
};

struct ExchangeDocument {
  std::optional<std::string> header;  // hex of the file's first 4 bytes
  SourcePlace headerPlace;
  std::vector<ExchangeSlot> officers;
};

// One reason why an import is refused.
struct ExchangeError {
  int slot = -1;      // -1: not about one slot
  std::string field;  // empty: not about one field
  SourcePlace place;
  std::string message;  // UTF-8
};

// Readers stop once this many errors are found; listings show this many.
inline constexpr std::size_t kErrorsListed = 50;

// "第 3 行第 5 列，编号 652，姓（surname）：……" and the like.
std::string FormatExchangeError(const ExchangeError& error);
// At most kErrorsListed formatted errors, then "还有 N 处错误".
std::vector<std::string> ExchangeErrorLines(const std::vector<ExchangeError>& errors);
