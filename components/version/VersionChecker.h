// Checks in the background whether a newer version of the program has been
// published. The published version file is an INI file holding, under the
// application title, the latest version ("CurrentVersions") and the address it
// can be downloaded from ("DownloadURL"); one file can serve several programs.
#pragma once

#include <functional>
#include <string>

#include "framework/Classes.h"

// CurrentVersion carries the published version read from the version file.
using TOnGetURLEvent = std::function<void(TObject* Sender, std::string CurrentVersion, std::string DownloadURL)>;

class TVersionChecker : public TComponent {
 public:
  explicit TVersionChecker(TComponent* owner);

  const std::string& URLCurrVerFile() const { return FURLCurrVerFile; }
  void SetURLCurrVerFile(const std::string& url) { FURLCurrVerFile = url; }
  const std::string& SiteName() const { return FSiteName; }
  void SetSiteName(const std::string& siteName) { FSiteName = siteName; }
  bool FailureDlg() const { return FFailureDlg; }
  void SetFailureDlg(bool failureDlg) { FFailureDlg = failureDlg; }
  bool DownloadDlg() const { return FDownloadDlg; }
  void SetDownloadDlg(bool downloadDlg) { FDownloadDlg = downloadDlg; }
  // May hold environment references such as %TEMP%, expanded each time the
  // check uses the file: the root of a system drive is not writable for an
  // ordinary account.
  const std::string& TempFile() const { return FTempFile; }
  void SetTempFile(const std::string& tempFile) { FTempFile = tempFile; }
  const TOnGetURLEvent& OnGetURL() const { return FOnGetURL; }
  void SetOnGetURL(TOnGetURLEvent handler) { FOnGetURL = std::move(handler); }
  const std::string& Copyright() const { return FCopyright; }
  void SetCopyright(const std::string&) {}

  // Starts one check on a thread of its own and returns at once. What the
  // check finds is reported on the main thread from its message loop.
  void CheckVersion();

  // Fills the list with the running program's FileVersion, LegalCopyright,
  // ProductName and ProductVersion, each only when its version resource holds
  // it. Without a version resource (or its translation table) the user is told
  // and the result is false.
  static bool ReadVersionInfo(TStringList& list);
  // Whether the published version is newer than the running one. Each holds
  // four whole numbers joined by "."; later numbers weigh 10000, 100 and 1, so
  // a number of 100 or more carries into the one before it. A text without "."
  // is never newer; a part that is not a whole number or a missing part raises.
  static bool IsNewerVersion(const std::string& published, const std::string& running);

  PUBLISHED_PROPERTIES;

 private:
  friend class TVInfoDownload;
  // Runs on the main thread once the version file has been downloaded.
  void EvaluateVersionFile();
  void OfferNewerVersion(const std::wstring& downloadURL);
  static void ShowFailureWarning();

  std::string FCopyright = "Klangor";
  bool FFailureDlg = true;
  std::string FURLCurrVerFile = "https://downloads.klangor.invalid/curr_ver.txt";
  std::string FSiteName = "https://downloads.klangor.invalid/";
  std::string FTempFile = "c:\\curr_ver.txt";
  TOnGetURLEvent FOnGetURL;
  bool FDownloadDlg = true;
};
