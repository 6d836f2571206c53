#include "components/version/VersionChecker.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <vector>

#include "components/version/VInfoDownload.h"
#include "framework/Dialogs.h"
#include "framework/Forms.h"
#include "framework/Text.h"

namespace {

// Room for 2047 characters per value, as the version file's format allows.
constexpr DWORD ProfileValueSize = 2048;

std::string ExpandEnvironment(const std::string& path) {
  const DWORD size = ExpandEnvironmentStringsA(path.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::vector<char> expanded(size);
  if (ExpandEnvironmentStringsA(path.c_str(), expanded.data(), size) == 0) return path;
  return expanded.data();
}

std::string ReadProfileValue(const std::string& file, const std::string& section, const std::string& key) {
  std::vector<char> value(ProfileValueSize);
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), ProfileValueSize, file.c_str());
  return value.data();
}

// The address comes from a file fetched over the network: handing anything
// else than a web address to the shell could start a local program.
bool IsWebAddress(const std::string& address) {
  const std::string lower = Text::LowerCase(address);
  return lower.starts_with("http://") || lower.starts_with("https://");
}

}  // namespace

TVersionChecker::TVersionChecker(TComponent* owner) : TComponent(owner) {}

void TVersionChecker::CheckVersion() {
  new TVInfoDownload(this, FURLCurrVerFile, ExpandEnvironment(FTempFile), FFailureDlg);
}

void TVersionChecker::EvaluateVersionFile() {
  TStringList versionInfo;
  if (!ReadVersionInfo(versionInfo)) return;
  const std::string runningVersion = versionInfo[0];
  const std::string versionFile = ExpandEnvironment(FTempFile);
  const std::string title = Application.Title();
  const std::string publishedVersion = ReadProfileValue(versionFile, "CurrentVersions", title);
  const std::string downloadURL = ReadProfileValue(versionFile, "DownloadURL", title);
  Raise(FOnGetURL, this, publishedVersion, downloadURL);
  if (IsNewerVersion(publishedVersion, runningVersion) && FDownloadDlg) OfferNewerVersion(downloadURL);
}

void TVersionChecker::OfferNewerVersion(const std::string& downloadURL) {
  const std::string question =
      "Vous n'utilisez pas la dernière version de ce logiciel.\r\n"
      "Vous devez utiliser la dernière version du logiciel de dépannage.\r\n"
      "Voulez vous la télécharger maintenant ?";
  if (MessageDlg(question, mtConfirmation, true) == mrYes) {
    if (IsWebAddress(downloadURL)) ShellExecuteA(nullptr, "open", downloadURL.c_str(), "", "", SW_SHOWNORMAL);
  } else {
    ShowMessageBox("Le logiciel va se fermer.");
  }
  Application.Terminate();
}

void TVersionChecker::ShowFailureWarning() {
  MessageDlg(
      "Le logiciel ne peut vérifier automatiquement si il s'agit de la dernière version de celui-ci.\r"
      "Pour pouvoir vérifier si il s'agit bien de la dernière version, le logiciel a besoin de se connecter "
      "à internet.\r"
      "Vous devez impérativement utiliser la dernière version du logiciel de dépannage.\r"
      "Comme la vérification de version n'a pas pu être effectuée, le résultat de l'analyse n'est "
      "peut être pas fiable.",
      mtWarning, false);
}

const PropertyTable& TVersionChecker::PublishedTable() {
  static const PropertyTable table(&TComponent::PublishedTable(),
                                   {{"URLCurrVerFile", Set(&TVersionChecker::SetURLCurrVerFile)},
                                    {"SiteName", Set(&TVersionChecker::SetSiteName)},
                                    {"FailureDlg", Set(&TVersionChecker::SetFailureDlg)},
                                    {"DownloadDlg", Set(&TVersionChecker::SetDownloadDlg)},
                                    {"TempFile", Set(&TVersionChecker::SetTempFile)},
                                    {"OnGetURL", Event(&TVersionChecker::SetOnGetURL)},
                                    {"Copyright", Set(&TVersionChecker::SetCopyright)}});
  return table;
}

const PropertyTable& TVersionChecker::Published() const { return PublishedTable(); }
