#include "app/DropCommand.h"

#include "app/GameFolder.h"

TDropCommand::TDropCommand(TGameFolder& folder) : FFolder(folder) {}

void TDropCommand::Take(const std::vector<std::string>& names) {
  if (!names.empty()) FFolder.TakePath(names.front());
}
