// The texts the program shows about the backup store and putting files back:
// French line, then English line, as its other boxes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TBackupSet;
class TBackupStore;

// Asked before putting back files changed since Klangor left them; Yes (the
// default button) keeps them, No puts them back too.
std::string ChangedFilesQuestion(const std::vector<std::string>& names, const std::string& date);
// Asked before a redo, with the undo's date and file count.
std::string RedoQuestion(const TBackupSet& set);
// Folders named like sets that are never used, shown when Undo is chosen.
std::string UncheckedSetsMessage(const std::vector<std::string>& names);
// The same for sets still marked as being written, shown at start-up.
std::string UncheckedInterruptedMessage(const std::vector<std::string>& names);
// "12 Ko / 12 KB": a size as the About box shows it.
std::string StoreSizeText(uint64_t bytes);
// "Taille / Size : 12 Ko / 12 KB (max. 1,0 Go / 1.0 GB)": the sets' size and
// the store's limit.
std::string StoreSizeLine(const TBackupStore& store);
