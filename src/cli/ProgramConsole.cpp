#include "cli/ProgramConsole.h"

#include <QString>

#ifdef _WIN32
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <iostream>
#include <streambuf>
#include <string>
#endif

#ifdef _WIN32

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode);
}

// The handle a standard stream writes to: the inherited one (a redirection),
// else the console of the process that started us, else none.
HANDLE OutputHandle(DWORD which) {
  const HANDLE inherited = GetStdHandle(which);
  if (inherited != nullptr && inherited != INVALID_HANDLE_VALUE) return inherited;
  static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
  if (!attached) return nullptr;
  const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  return console == INVALID_HANDLE_VALUE ? nullptr : console;
}

// Collects UTF-8 bytes and writes them at every flush; a character cut in
// two by the buffer waits for its other half.
class HandleStreamBuffer : public std::streambuf {
 public:
  explicit HandleStreamBuffer(DWORD which) : which_(which) {}

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) pending_.push_back(static_cast<char>(c));
    if (c == '\n' || pending_.size() >= 4096) sync();
    return traits_type::not_eof(c);
  }

  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<std::size_t>(n));
    if (pending_.size() >= 4096) sync();
    return n;
  }

  int sync() override {
    if (pending_.empty()) return 0;
    if (!resolved_) {
      handle_ = OutputHandle(which_);
      console_ = handle_ != nullptr && IsConsole(handle_);
      resolved_ = true;
    }
    const std::size_t whole = WholeCharacters();
    const bool written = handle_ == nullptr || (console_ ? WriteToConsole(whole) : WriteBytes(whole));
    pending_.erase(0, whole);
    return written ? 0 : -1;
  }

 private:
  // The length of pending_ without an incomplete UTF-8 sequence at its end.
  std::size_t WholeCharacters() const {
    std::size_t end = pending_.size();
    for (std::size_t back = 1; back <= 3 && back <= end; ++back) {
      const auto byte = static_cast<unsigned char>(pending_[end - back]);
      if ((byte & 0xC0) != 0x80) {
        const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needed > back ? end - back : end;
      }
    }
    return end;
  }

  bool WriteBytes(std::size_t length) const {
    std::size_t done = 0;
    while (done < length) {
      DWORD wrote = 0;
      if (!WriteFile(handle_, pending_.data() + done, static_cast<DWORD>(length - done), &wrote, nullptr)) return false;
      done += wrote;
    }
    return true;
  }

  bool WriteToConsole(std::size_t length) const {
    const std::wstring wide = QString::fromUtf8(pending_.data(), static_cast<qsizetype>(length)).toStdWString();
    DWORD wrote = 0;
    return ::WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &wrote, nullptr) != 0;
  }

  DWORD which_;
  std::string pending_;
  bool resolved_ = false;
  HANDLE handle_ = nullptr;
  bool console_ = false;
};

}  // namespace

void RouteStandardStreams() {
  // Never destroyed: the streams flush once more when the program ends,
  // after every static object of ours is gone.
  static auto* const out = new HandleStreamBuffer(STD_OUTPUT_HANDLE);
  static auto* const err = new HandleStreamBuffer(STD_ERROR_HANDLE);
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
  std::cerr.setf(std::ios::unitbuf);
}

QStringList ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  QStringList arguments;
  for (int i = 1; i < count; ++i) arguments << QString::fromWCharArray(words[i]);
  LocalFree(words);
  return arguments;
}

#else

void RouteStandardStreams() {}

QStringList ProgramArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

#endif
