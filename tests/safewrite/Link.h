// A symbolic link for a test, removed (the link, never its target) when the
// test ends. Wine's CreateSymbolicLinkW reports success but makes nothing, so
// under Wine the link is a Unix one, made by /bin/ln, which Wine shows as a
// reparse point for a folder and as the file itself for a file.
#pragma once

#include <string>

namespace klangor::test {

class Link {
 public:
  Link(const std::string& link, const std::string& target, bool folder);
  ~Link();
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  // The link is there (a test that needs one fails without it).
  bool made() const { return made_; }

 private:
  std::string link_;
  bool folder_;
  bool made_ = false;
};

}  // namespace klangor::test
