// The download thread of one version check. It downloads the version file
// into the local file, hands the evaluation to the main thread and waits for
// it, then frees itself. It shares nothing with the window but that hand-over.
#pragma once

#include <string>

#include "framework/Thread.h"

class TVersionChecker;

class TVInfoDownload : public TThread {
 public:
  // Starts the thread as the last act of construction; nobody owns it. The
  // target file's name is already expanded.
  TVInfoDownload(TVersionChecker* checker, const std::string& url, const std::wstring& targetFile, bool showFailure);

 protected:
  void Execute() override;

 private:
  void DownloadDone();

  TVersionChecker* Checker;
  std::string URL;
  std::wstring TargetFile;
  bool DownloadFailed = false;
  bool ShowFailure;
};
