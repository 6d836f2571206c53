#include "app/BankValues.h"

#include <utility>

#include "components/safewrite/IniContent.h"
#include "components/safewrite/WinFile.h"

namespace {

// The profile functions drop one pair of double or single quotes around a
// value they read.
std::string Unquoted(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

TBankValues::TBankValues(std::vector<TSetting> settings) : FSettings(std::move(settings)) {}

const TBankFile& TBankValues::File(const std::string& path) {
  auto found = FFiles.find(path);
  if (found == FFiles.end()) found = FFiles.emplace(path, Read(path, FSettings)).first;
  return found->second;
}

TBankFile TBankValues::Read(const std::string& path, const std::vector<TSetting>& settings) {
  std::string bytes;
  const DWORD error = WinFile::Read(path, bytes);
  return {error, Parse(error ? std::string() : bytes, settings)};
}

std::vector<std::optional<std::string>> TBankValues::Parse(const std::string& bytes,
                                                           const std::vector<TSetting>& settings) {
  const TIniContent content = TIniContent::Parse(bytes);
  std::vector<std::optional<std::string>> values;
  for (const TSetting& setting : settings) {
    std::string value;
    if (content.Find(setting.Section, setting.Key, value))
      values.emplace_back(Unquoted(value));
    else
      values.emplace_back();
  }
  return values;
}

std::string TBankValues::AsRead(const std::string& written) { return Unquoted(Trimmed(written)); }
