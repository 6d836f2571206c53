#include "app/PressPreview.h"

#include "app/BankValues.h"
#include "app/ChangeText.h"
#include "components/config/GameFolders.h"
#include "components/safewrite/SoundFileWrite.h"
#include "framework/SysUtils.h"

namespace {

const char* const Heading = "Rien n'est encore écrit. / Nothing is written yet.";
const char* const UnchangedHeading = "Rien ne change dans / Nothing changes in :";
const char* const RefusedHeading = "Ne seront pas modifiés / Will not be modified :";

// "1 fichier modifié / file changed", "2 fichiers modifiés / files changed".
std::string Counted(size_t count, const char* one, const char* many) {
  return IntToStr(static_cast<long long>(count)) + " " + (count == 1 ? one : many);
}

}  // namespace

TPressPreview::TPressPreview(const std::string& gameRoot, const std::vector<std::string>& names,
                             const std::vector<TIniValue>& values) {
  for (const std::string& name : names)
    FFiles.push_back(FileChanges(SoundFolderOf(gameRoot) + "\\" + name, name, values));
}

// A press with nothing to write opens no file.
TFileChanges TPressPreview::FileChanges(const std::string& path, const std::string& name,
                                        const std::vector<TIniValue>& values) {
  TFileChanges file;
  file.Name = name;
  if (values.empty()) return file;
  const TWritableFile writable = ReadWritableFile(path);
  file.Failure = writable.Failure;
  file.Error = writable.Error;
  if (file.Failure != wfNone) return file;
  std::vector<TSetting> written;
  for (const TIniValue& value : values) written.push_back({value.Section, value.Key, ""});
  const std::vector<std::optional<std::string>> now = TBankValues::Parse(writable.Bytes, written);
  for (size_t i = 0; i < values.size(); ++i)
    if (const std::string after = TBankValues::AsRead(values[i].Value); now[i] != after)
      file.Changes.push_back({values[i].Section, values[i].Key, now[i], after});
  return file;
}

std::string TPressPreview::Text() const {
  std::string changed, unchanged, refused;
  size_t changedFiles = 0, changedValues = 0, unchangedFiles = 0, refusedFiles = 0;
  for (const TFileChanges& file : FFiles) {
    if (file.Failure != wfNone) {
      ++refusedFiles;
      refused +=
          "\r\n" + std::string(ChangeIndent) + file.Name + " : " + FailureText({file.Name, file.Failure, file.Error});
    } else if (file.Changes.empty()) {
      ++unchangedFiles;
      unchanged += "\r\n" + std::string(ChangeIndent) + file.Name;
    } else {
      ++changedFiles;
      changedValues += file.Changes.size();
      changed += "\r\n\r\n" + file.Name;
      for (const TIniChange& change : file.Changes) changed += "\r\n" + ChangeLine(change);
    }
  }
  std::string text = Heading + changed;
  if (unchangedFiles) text += "\r\n\r\n" + std::string(UnchangedHeading) + unchanged;
  if (refusedFiles) text += "\r\n\r\n" + std::string(RefusedHeading) + refused;
  text += "\r\n\r\nTotal : " +
          Counted(changedFiles, "fichier modifié / file changed", "fichiers modifiés / files changed") + ", " +
          Counted(changedValues, "valeur modifiée / value changed", "valeurs modifiées / values changed") + ", " +
          Counted(unchangedFiles, "fichier inchangé / file unchanged", "fichiers inchangés / files unchanged");
  if (refusedFiles)
    text += ", " + Counted(refusedFiles, "fichier non modifié / file not modified",
                           "fichiers non modifiés / files not modified");
  return text;
}
