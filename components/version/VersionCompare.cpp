// Version comparison: the published and the running version are split at
// every "." into one list, and each side's four numbers are weighed as
// 1000000, 10000, 100 and 1 in 32-bit signed arithmetic.
#include <cstdint>
#include <vector>

#include "components/version/VersionChecker.h"
#include "framework/SysUtils.h"

namespace {

void AppendParts(const std::string& version, std::vector<std::string>& parts) {
  size_t start = 0;
  for (size_t dot = version.find('.'); dot != std::string::npos; dot = version.find('.', start)) {
    parts.push_back(version.substr(start, dot - start));
    start = dot + 1;
  }
  parts.push_back(version.substr(start));
}

int32_t WholeNumber(const std::string& text) {
  size_t digits = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
  const bool valid = digits < text.size() && text.size() - digits <= 10 &&
                     text.find_first_not_of("0123456789", digits) == std::string::npos;
  const long long value = valid ? std::stoll(text) : 0;
  if (!valid || value < INT32_MIN || value > INT32_MAX)
    throw EConvertError("'" + text + "' is not a valid integer value");
  return static_cast<int32_t>(value);
}

const std::string& Item(const std::vector<std::string>& parts, size_t index) {
  if (index >= parts.size())
    throw EListError("List index out of bounds (" + IntToStr(static_cast<long long>(index)) + ")");
  return parts[index];
}

// Wraps around like the 32-bit arithmetic the weights were chosen for.
int32_t WeighedNumber(const std::vector<std::string>& parts, size_t first) {
  int64_t number = 0;
  for (int64_t weight : {1000000, 10000, 100, 1}) number += weight * WholeNumber(Item(parts, first++));
  return static_cast<int32_t>(static_cast<uint32_t>(number));
}

}  // namespace

bool TVersionChecker::IsNewerVersion(const std::string& published, const std::string& running) {
  std::vector<std::string> parts;
  if (published.find('.') == std::string::npos) return false;
  AppendParts(published, parts);
  if (running.find('.') == std::string::npos) return false;
  AppendParts(running, parts);
  const int32_t publishedNumber = WeighedNumber(parts, 0);
  const int32_t runningNumber = WeighedNumber(parts, 4);
  return runningNumber < publishedNumber;
}
