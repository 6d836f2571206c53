// The error type that event handlers raise and the application's error box
// shows. Its message is an 8-bit code page 1252 text like every other text.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// A text that does not read as the number asked for.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// A stored window layout that names an unknown class, property or value.
class ELayoutError : public Exception {
 public:
  using Exception::Exception;
};

std::string IntToStr(long long value);

// Replaces every occurrence of one character, as the write command swaps the
// decimal separators of its value fields.
std::string ReplaceChar(std::string text, char from, char to);
