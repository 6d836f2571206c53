#include "components/version/VInfoDownload.h"

#include <windows.h>
// After windows.h, which it needs.
#include <urlmon.h>

#include "components/version/HttpStatusCallback.h"
#include "components/version/VersionChecker.h"
#include "framework/Text.h"

namespace {

bool HasContent(const std::wstring& file) {
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  return GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &attributes) &&
         !(attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes.nFileSizeHigh != 0 || attributes.nFileSizeLow != 0);
}

// The platform's download reports success also for an HTTP error, saving the
// error page, and for a connection closed without a reply, leaving an empty
// file. So the download goes to a file of its own beside the target (named
// after the thread, so that two checks never share it) and replaces the
// target only when the server answered with success and something came: a
// failed check keeps the earlier copy.
bool DownloadReplacing(const std::string& url, const std::wstring& target) {
  const std::wstring partial = target + L"." + std::to_wstring(GetCurrentThreadId()) + L".part";
  HttpStatusCallback* status = new HttpStatusCallback;
  const bool downloaded = URLDownloadToFileW(nullptr, Text::ToWide(url).c_str(), partial.c_str(), 0, status) == S_OK &&
                          status->Succeeded() && HasContent(partial) &&
                          MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
  status->Release();
  if (!downloaded) DeleteFileW(partial.c_str());
  return downloaded;
}

}  // namespace

TVInfoDownload::TVInfoDownload(TVersionChecker* checker, const std::string& url, const std::wstring& targetFile,
                               bool showFailure)
    : TThread(true), Checker(checker), URL(url), TargetFile(targetFile), ShowFailure(showFailure) {
  FreeOnTerminate = true;
  Start();
}

void TVInfoDownload::Execute() {
  DownloadFailed = !DownloadReplacing(URL, TargetFile);
  Synchronize([this] { DownloadDone(); });
}

void TVInfoDownload::DownloadDone() {
  if (DownloadFailed && ShowFailure) {
    TVersionChecker::ShowFailureWarning();
    return;
  }
  Checker->EvaluateVersionFile();
}
