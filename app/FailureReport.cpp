#include "app/FailureReport.h"

#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

const char* const FailedFilesHeading =
    "Certains fichiers n'ont pas pu être modifiés :\r"
    "Some files could not be modified:";
const char* const BackupLine = "Sauvegarde / Backup : ";
constexpr size_t FailedFilesNamed = 20;

}  // namespace

std::string FailedFilesReport(const std::vector<TFileResult>& failed, const std::string& backupFolder) {
  std::string report = FailedFilesHeading;
  for (size_t i = 0; i < failed.size() && i < FailedFilesNamed; ++i)
    report += "\r" + failed[i].Name + " : " + FailureText(failed[i]);
  if (failed.size() > FailedFilesNamed)
    report += "\r... (+" + IntToStr(static_cast<long long>(failed.size() - FailedFilesNamed)) + ")";
  if (!backupFolder.empty()) report += "\r" + std::string(BackupLine) + backupFolder;
  return report;
}
