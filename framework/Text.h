// Texts inside the program are UTF-8 in std::string: captions, messages, and
// every file, folder and registry name, whatever script it is written in.
// Windows is handed them in UTF-16 (the W functions) and its answers are
// converted back, so nothing passes through an 8-bit code page on the way.
#pragma once

#include <string>

namespace Text {

std::wstring ToWide(const std::string& text);
std::string FromWide(const std::wstring& text);

// One character given by its Unicode code point (a stored layout's #233).
std::string FromCodePoint(char32_t code);

// Lengths and cuts count characters, not bytes: a limit of 128 characters
// holds 128 letters of any script and never cuts one in two.
size_t Length(const std::string& text);
std::string Left(const std::string& text, size_t characters);

// Letter-case folding of plain ASCII letters only, as names made of ASCII
// letters (INI sections and keys) are compared.
std::string LowerCase(std::string text);

}  // namespace Text
