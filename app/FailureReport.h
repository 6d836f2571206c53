// The box text that tells which files could not be written or put back, and
// why, with the backup set's folder on its last line.
#pragma once

#include <string>
#include <vector>

#include "components/safewrite/WriteFailure.h"

// At most twenty files are named, then "..." and how many more; the last
// line is left out when no backup set was made.
std::string FailedFilesReport(const std::vector<TFileResult>& failed, const std::string& backupFolder);
