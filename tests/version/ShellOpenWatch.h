// Watches what the shell opens, through the real ShellExecuteA: while it
// lives, the open commands of the http and https schemes start OpenRecorder.exe
// (next to the test) instead of the browser, and the recorder logs every
// command line it is started with. The commands are put back at the end.
//
// A local program or a file:// address handed to the shell would start the
// recorder too when it names the recorder, so tests can show that such an
// address is not opened.
#pragma once

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace klangor::test {

class ShellOpenWatch {
 public:
  ShellOpenWatch();
  ~ShellOpenWatch();
  ShellOpenWatch(const ShellOpenWatch&) = delete;
  ShellOpenWatch& operator=(const ShellOpenWatch&) = delete;

  static std::string recorderPath();
  // Waits until the recorder has logged the given number of command lines.
  std::vector<std::string> waitForOpened(size_t count) const;
  // The lines logged so far, once no recorder is running any more: the shell
  // starts it before ShellExecuteA returns, and it logs before it ends.
  std::vector<std::string> openedSoFar() const;

 private:
  struct SavedCommand {
    std::string key;
    std::string command;
  };

  TempFolder folder_;
  std::vector<SavedCommand> saved_;
};

}  // namespace klangor::test
