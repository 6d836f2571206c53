// A file's content as the backup record keeps it: its size and its SHA-256,
// computed by the platform (BCrypt). Two contents are taken as the same when
// both agree.
#pragma once

#include <cstdint>
#include <string>

struct TFileDigest {
  uint64_t Size = 0;
  std::string Sha256;  // 64 lower-case hexadecimal digits

  static TFileDigest Of(const std::string& bytes);
  bool operator==(const TFileDigest& other) const { return Size == other.Size && Sha256 == other.Sha256; }
  bool operator!=(const TFileDigest& other) const { return !(*this == other); }
};
