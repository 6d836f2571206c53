// The game root the window works on and the list of its sound folder. The
// root comes from the registry at start-up (or, when the registry's gives
// no bank, the folder kept from an earlier session), or from the path field:
// typed and confirmed, dropped, picked, chosen among the recent folders, or
// given on the command line. Every folder that lists a bank is kept as the
// last and newest recent one; a kept folder is read back as untrusted input
// and used only once it passes the checks of ListsBanks. A path is used
// without the double quotes around it, as Explorer's "Copy as path" puts
// them or as a quoted command-line argument ending in a backslash leaves one
// behind; no Windows path holds a double quote.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TBFC_Dir;
class TEdit;
class TLabel;
class TLMDCheckListBox;
class TProgressCyl;
class TRecentFolders;
class TRegistryReader;

std::string UnquotedPath(const std::string& path);

class TGameFolder {
 public:
  struct TParts {
    TEdit& Path;
    TRegistryReader& Registry;
    TBFC_Dir& Lister;
    TLMDCheckListBox& List;
    TLabel& Count;
    TProgressCyl& Bar;
    TRecentFolders& Recent;
  };
  explicit TGameFolder(TParts parts);

  // The root as last taken from the registry or the path field.
  const std::string& Root() const { return FRoot; }

  // The folder argument stands for the registry's root and is taken as if
  // typed, so that a wrong one is reported as a typed one would be.
  void TakeStartRoot(const std::string& folderArgument);
  // Takes the path field's root and lists it, or tells that it is no game
  // root, empties the list and returns false.
  bool TakeTypedRoot();
  // Puts the path into the path field and takes it as typed.
  void TakePath(const std::string& path);
  // Fills the list from the sound folder below the root, ticks every file
  // and empties the progress bar.
  void ListSoundFiles();
  // Whether the folder is a game root whose sound folder lists at least one
  // bank: an absolute path whose sound folder fits the platform's limit and
  // exists. Nothing shown changes.
  bool ListsBanks(const std::string& root) const;
  // The recent folders that pass that check, newest first.
  std::vector<std::string> RecentRoots() const;

  // The write's root is the path field's text, not tested for existence;
  // false, after telling so, when it is empty or too long for any file.
  bool TakeRootForWrite();
  // The root a write would take now, without taking it; none, after
  // telling so, where the write would stop.
  std::optional<std::string> RootForWrite();

  // The names of the ticked files, in list order.
  std::vector<std::string> TickedNames() const;

  // Told after the list was filled again or emptied: the files it shows may
  // have changed.
  std::function<void()> OnListed;

 private:
  // The path field's text without surrounding quotes, which are removed
  // from the field too.
  std::string TypedRoot();
  // The registry's root, or the kept one where the registry's lists nothing.
  void TakeRegistryOrKeptRoot();
  // Shows the root in the path field and lists it.
  void TakeListedRoot(const std::string& root);
  // The list's count in its label, and the bar emptied for as many files.
  void ShowListed();

  TParts FParts;
  std::string FRoot;
};
