#pragma once
// What a file on disk looked like when it was read: whether it was there,
// its size, its modification time and a hash of its whole content. Two
// stamps of the same content are equal whatever their times say, so that a
// file merely touched is not taken for a changed one.
#include <QByteArray>
#include <QDateTime>
#include <filesystem>

struct DiskStamp {
  bool exists = false;
  qint64 size = 0;
  QDateTime modified;
  QByteArray hash;  // SHA-256 of every byte

  bool SameContent(const DiskStamp& other) const {
    return exists == other.exists && size == other.size && hash == other.hash;
  }
};

// Reads the file through once. A file that cannot be read counts as not there.
DiskStamp ReadDiskStamp(const std::filesystem::path& path);
