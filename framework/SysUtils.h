// The error type that event handlers raise and the application's error box
// shows. Its message is a UTF-8 text like every other text.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
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

// Replaces every occurrence of one character, a decimal separator by another
// for instance.
std::string ReplaceChar(std::string text, char from, char to);

// True when a folder exists at the path, of any length the file functions
// take (framework/FilePath.h).
bool DirectoryExists(const std::string& path);
