#include "app/DropCommand.h"

#include "app/GameFolder.h"
#include "app/PresetCommands.h"
#include "app/PresetFile.h"

TDropCommand::TDropCommand(TGameFolder& folder, TPresetCommands& presets) : FFolder(folder), FPresets(presets) {}

void TDropCommand::Take(const std::vector<std::string>& names) {
  if (names.empty()) return;
  if (IsPresetPath(names.front()))
    FPresets.LoadFile(names.front());
  else
    FFolder.TakePath(names.front());
}
