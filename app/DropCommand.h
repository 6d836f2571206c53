// What is dropped onto the window: the first of the dropped folders or
// files is taken as if typed into the path field and confirmed with Enter.
#pragma once

#include <string>
#include <vector>

class TGameFolder;

class TDropCommand {
 public:
  explicit TDropCommand(TGameFolder& folder);

  void Take(const std::vector<std::string>& names);

 private:
  TGameFolder& FFolder;
};
