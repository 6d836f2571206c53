// Texts of the program are 8-bit strings in code page 1252 (the French
// captions hold accented letters as single bytes). Windows is handed them in
// UTF-16 at the display boundary so that they show correctly whatever the
// machine's own ANSI code page is.
#pragma once

#include <string>

namespace Text {

constexpr unsigned CodePage = 1252;

std::wstring ToWide(const std::string& text);
std::string FromWide(const std::wstring& text);
// UTF-8, for texts the program keeps in files of its own.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

// Letter-case folding of plain ASCII letters only, as Windows' case-insensitive
// names compare them.
std::string LowerCase(std::string text);
bool SameText(const std::string& a, const std::string& b);

}  // namespace Text
