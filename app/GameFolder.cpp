#include "app/GameFolder.h"

#include "app/RecentFolders.h"
#include "components/config/BFC_Dir.h"
#include "components/config/GameFolders.h"
#include "components/config/RegistryReader.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "framework/Dialogs.h"
#include "framework/FilePath.h"
#include "framework/StdCtrls.h"
#include "framework/SysUtils.h"

namespace {

// The path field's root is no game root: said when it is taken for listing.
const char* const InvalidRootMessage =
    "Le chemin est invalide. / Invalid path.\r\r"
    "Vous devez indiquer le chemin vers la racine du jeu.\r"
    "You must enter the path to the root of the game.";
// The path field gives no root to write under: said when files are to be written.
const char* const NoWriteRootMessage = "Le chemin n'est pas valide\rPath is not valid";

}  // namespace

namespace {

// A relative path would depend on the folder the program was started in.
bool IsAbsolutePath(const std::string& root) {
  return (root.size() > 2 && root[1] == ':' && root[2] == '\\') || root.rfind("\\\\", 0) == 0;
}

}  // namespace

std::string UnquotedPath(const std::string& path) {
  const size_t first = path.find_first_not_of('"');
  if (first == std::string::npos) return {};
  return path.substr(first, path.find_last_not_of('"') - first + 1);
}

TGameFolder::TGameFolder(TParts parts) : FParts(parts) {}

void TGameFolder::TakeStartRoot(const std::string& folderArgument) {
  if (UnquotedPath(folderArgument).empty()) return TakeRegistryOrKeptRoot();
  FParts.Path.SetText(folderArgument);
  // The count and the bar would otherwise keep the layout's own texts,
  // as if something had been listed.
  if (!TakeTypedRoot()) ShowListed();
}

// The registry's folder is listed as it is; the kept folder is listed
// instead only when that listing finds no bank. Listed once each: a probe
// before the listing would read the sound folder twice at every start.
void TGameFolder::TakeRegistryOrKeptRoot() {
  const std::string root = FParts.Registry.ReadString("");
  TakeListedRoot(root);
  if (IsAbsolutePath(root) && FParts.List.Count() > 0) return;
  if (const std::string kept = FParts.Recent.Last(); ListsBanks(kept)) TakeListedRoot(kept);
}

void TGameFolder::TakeListedRoot(const std::string& root) {
  FRoot = root;
  FParts.Path.SetText(FRoot);
  ListSoundFiles();
}

bool TGameFolder::ListsBanks(const std::string& root) const {
  if (!IsAbsolutePath(root) || !DirectoryExists(SoundFolderOf(root))) return false;
  TBFC_Dir probe(nullptr);
  probe.SetFileName(FParts.Lister.FileName());
  probe.SetPathName(SoundFolderOf(root));
  probe.ReadDir();
  return probe.ListFiles().Count() > 0;
}

std::vector<std::string> TGameFolder::RecentRoots() const {
  std::vector<std::string> roots;
  for (std::string& root : FParts.Recent.Recent())
    if (ListsBanks(root)) roots.push_back(std::move(root));
  return roots;
}

void TGameFolder::TakePath(const std::string& path) {
  FParts.Path.SetText(path);
  TakeTypedRoot();
}

bool TGameFolder::TakeTypedRoot() {
  FRoot = TypedRoot();
  if (DirectoryExists(KovenFolderOf(FRoot) + "\\")) {
    ListSoundFiles();
    return true;
  }
  ShowMessageBox(InvalidRootMessage);
  FParts.List.Clear();
  if (OnListed) OnListed();
  return false;
}

void TGameFolder::ListSoundFiles() {
  FParts.Lister.SetPathName(SoundFolderOf(FRoot));
  FParts.Lister.ReadDir();
  // Filled and ticked in one update: painting each item and glyph as it
  // comes would cost more than listing the folder.
  TLMDCheckListBox& list = FParts.List;
  list.BeginUpdate();
  list.SetItems(FParts.Lister.ListFiles());
  ShowListed();
  list.CheckAll(false);
  list.EndUpdate();
  if (list.Count() > 0) FParts.Recent.Remember(FRoot);
  if (OnListed) OnListed();
}

void TGameFolder::ShowListed() {
  FParts.Count.SetCaption("Nb de fichiers / Nb of files : " + IntToStr(FParts.List.Count()));
  FParts.Bar.SetMax(FParts.List.Count());
  FParts.Bar.SetPosition(0);
}

bool TGameFolder::TakeRootForWrite() {
  const std::optional<std::string> root = RootForWrite();
  if (root) FRoot = *root;
  return root.has_value();
}

std::optional<std::string> TGameFolder::RootForWrite() {
  const std::string root = TypedRoot();
  if (!root.empty() && FitsFilePath(SoundFolderOf(root))) return root;
  ShowMessageBox(NoWriteRootMessage);
  return std::nullopt;
}

std::vector<std::string> TGameFolder::TickedNames() const {
  std::vector<std::string> names;
  for (int item = 0; item < FParts.List.Count(); ++item)
    if (FParts.List.Checked(item)) names.push_back(FParts.List.Items(item));
  return names;
}

std::string TGameFolder::TypedRoot() {
  const std::string root = UnquotedPath(FParts.Path.Text());
  if (root != FParts.Path.Text()) FParts.Path.SetText(root);
  return root;
}
