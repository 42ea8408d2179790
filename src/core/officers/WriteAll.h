#pragma once
// Writing a file whole through QSaveFile, so that a failure carries the
// system's reason and the old file stays until the new one is complete.
#include <QSaveFile>

// Opens the file beside `out`'s target without Qt's write buffer: a buffered
// write that the disk takes only in part is reported without a reason, and
// its buffer could not be written again from the right place.
inline bool OpenForWholeWrites(QSaveFile& out) {
  out.setDirectWriteFallback(false);
  return out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

// Writes all `n` bytes. A disk that fills up takes part of a write without
// an error; the write of the rest fails with the system's reason in
// errorString().
inline bool WriteAll(QFileDevice& out, const char* bytes, qint64 n) {
  while (n > 0) {
    const qint64 written = out.write(bytes, n);
    if (written <= 0) return false;
    bytes += written;
    n -= written;
  }
  return true;
}
