#include "components/safewrite/FileDigest.h"

#include <windows.h>
// After windows.h, which it needs.
#include <bcrypt.h>

#include <stdexcept>

namespace {

// Opened once: opening the provider costs far more than hashing a sound bank.
BCRYPT_ALG_HANDLE Sha256Provider() {
  static const BCRYPT_ALG_HANDLE provider = [] {
    BCRYPT_ALG_HANDLE opened = nullptr;
    if (BCryptOpenAlgorithmProvider(&opened, BCRYPT_SHA256_ALGORITHM, nullptr, 0) != 0)
      throw std::runtime_error("SHA-256 is not available");
    return opened;
  }();
  return provider;
}

}  // namespace

TFileDigest TFileDigest::Of(const std::string& bytes) {
  BCRYPT_HASH_HANDLE hash = nullptr;
  unsigned char value[32] = {};
  if (BCryptCreateHash(Sha256Provider(), &hash, nullptr, 0, nullptr, 0, 0) != 0 ||
      BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())), static_cast<ULONG>(bytes.size()),
                     0) != 0 ||
      BCryptFinishHash(hash, value, sizeof value, 0) != 0) {
    if (hash) BCryptDestroyHash(hash);
    throw std::runtime_error("SHA-256 failed");
  }
  BCryptDestroyHash(hash);
  static const char digits[] = "0123456789abcdef";
  TFileDigest digest;
  digest.Size = bytes.size();
  for (unsigned char byte : value) {
    digest.Sha256 += digits[byte >> 4];
    digest.Sha256 += digits[byte & 15];
  }
  return digest;
}
