// What is dropped onto the window: the first of the dropped folders or
// files is loaded when it is a preset, and otherwise taken as if typed into
// the path field and confirmed with Enter.
#pragma once

#include <string>
#include <vector>

class TGameFolder;
class TPresetCommands;

class TDropCommand {
 public:
  TDropCommand(TGameFolder& folder, TPresetCommands& presets);

  void Take(const std::vector<std::string>& names);

 private:
  TGameFolder& FFolder;
  TPresetCommands& FPresets;
};
