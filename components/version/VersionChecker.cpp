#include "components/version/VersionChecker.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "components/version/VInfoDownload.h"
#include "components/version/WebAddress.h"
#include "framework/Dialogs.h"
#include "framework/Forms.h"
#include "framework/Text.h"

namespace {

// Room for 2047 characters per value, as the version file's format allows.
constexpr DWORD ProfileValueSize = 2048;

// The local copy's name stays in UTF-16 from its expansion to the platform's
// calls: the temporary folder of a user named "Łukasz" keeps every letter.
std::wstring ExpandEnvironment(const std::string& path) {
  const std::wstring wide = Text::ToWide(path);
  const DWORD size = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
  if (size == 0) return wide;
  std::wstring expanded(size, L'\0');
  if (ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), size) == 0) return wide;
  expanded.resize(std::wcslen(expanded.c_str()));
  return expanded;
}

std::wstring ReadProfileValue(const std::wstring& file, const wchar_t* section, const std::wstring& key) {
  std::vector<wchar_t> value(ProfileValueSize);
  GetPrivateProfileStringW(section, key.c_str(), L"", value.data(), ProfileValueSize, file.c_str());
  return value.data();
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
  const std::wstring versionFile = ExpandEnvironment(FTempFile);
  const std::wstring title = Text::ToWide(Application.Title());
  const std::string publishedVersion = Text::FromWide(ReadProfileValue(versionFile, L"CurrentVersions", title));
  const std::wstring downloadURL = ReadProfileValue(versionFile, L"DownloadURL", title);
  Raise(FOnGetURL, this, publishedVersion, Text::FromWide(downloadURL));
  if (IsNewerVersion(publishedVersion, runningVersion) && FDownloadDlg) OfferNewerVersion(downloadURL);
}

// The address is checked as the version file holds it, before any conversion
// could turn a look-alike letter into a plain one.
void TVersionChecker::OfferNewerVersion(const std::wstring& downloadURL) {
  const std::string question =
      "Vous n'utilisez pas la dernière version de ce logiciel.\r\n"
      "Vous devez utiliser la dernière version du logiciel de dépannage.\r\n"
      "Voulez vous la télécharger maintenant ?";
  if (MessageDlg(question, mtConfirmation, true) == mrYes) {
    if (IsOpenableWebAddress(downloadURL)) OpenWebAddress(downloadURL);
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
