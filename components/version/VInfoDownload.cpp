#include "components/version/VInfoDownload.h"

#include <windows.h>
// After windows.h, which it needs.
#include <urlmon.h>

#include "components/version/VersionChecker.h"

TVInfoDownload::TVInfoDownload(TVersionChecker* checker, const std::string& url, const std::string& targetFile,
                               bool showFailure)
    : TThread(true), Checker(checker), URL(url), TargetFile(targetFile), ShowFailure(showFailure) {
  FreeOnTerminate = true;
  Start();
}

void TVInfoDownload::Execute() {
  DownloadFailed = URLDownloadToFileA(nullptr, URL.c_str(), TargetFile.c_str(), 0, nullptr) != S_OK;
  Synchronize([this] { DownloadDone(); });
}

void TVInfoDownload::DownloadDone() {
  if (DownloadFailed && ShowFailure) {
    TVersionChecker::ShowFailureWarning();
    return;
  }
  Checker->EvaluateVersionFile();
}
