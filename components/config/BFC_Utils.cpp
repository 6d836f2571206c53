#include "components/config/BFC_Utils.h"

std::string AddBackslash(const std::string& path) {
  if (path.empty()) return path;
  const char last = path.back();
  if (last == ':' || last == '\\') return path;
  const bool asciiLetter = (last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z');
  if (path.size() == 1 && asciiLetter) return path + ":\\";
  return path + "\\";
}
