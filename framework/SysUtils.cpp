#include "framework/SysUtils.h"

#include <algorithm>

std::string IntToStr(long long value) { return std::to_string(value); }

std::string ReplaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}
