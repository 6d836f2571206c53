// A fresh folder under the Windows temporary folder for one test, removed with
// everything in it when the test ends. Files are written and read as exact bytes,
// so a test sees line ends and 8-bit characters as they are on disk. Names and
// paths are UTF-8 and may hold any script.
#pragma once

#include <string>
#include <vector>

namespace klangor::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full Windows path, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + relative.
  std::string pathOf(const std::string& relative) const;

  // Creates a folder (and its missing parents) inside this one.
  void makeFolder(const std::string& relative) const;
  // Creates or replaces a file with exactly these bytes; parent folders must exist.
  void writeFile(const std::string& relative, const std::string& bytes) const;
  std::string readFile(const std::string& relative) const;
  // The file's lines without their ends; CR LF, LF and a lone CR all end a line.
  std::vector<std::string> readLines(const std::string& relative) const;
  bool exists(const std::string& relative) const;

 private:
  std::string path_;
};

// A relative folder name of exactly `length` characters, in parts of at most
// `part` letters: deep paths of a chosen length. Parts of eight letters or
// fewer are their own short (8.3) names, so a path made of them has no
// shorter form.
std::string deepName(size_t length, size_t part = 200, char letter = 'd');

// The lines minus the blank ones. Wine's private-profile writer drops blank lines
// when it saves a file and Windows keeps them, so INI files are compared this way.
std::vector<std::string> withoutBlankLines(const std::vector<std::string>& lines);

}  // namespace klangor::test
