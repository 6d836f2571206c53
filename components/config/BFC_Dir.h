// Lists the entries of one folder that match a wildcard pattern, sorted into
// sub-folder names and file names, in the order the platform finds them.
#pragma once

#include <string>

#include "framework/Classes.h"

class TBFC_Dir : public TComponent {
 public:
  explicit TBFC_Dir(TComponent* owner);

  const std::string& PathName() const { return FPathName; }
  void SetPathName(const std::string& path) { FPathName = path; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& pattern) { FFileName = pattern; }
  bool PathInName() const { return FPathInName; }
  void SetPathInName(bool pathInName) { FPathInName = pathInName; }

  // The component's own lists; assigning copies the lines into them.
  const TStringList& ListDirs() const { return FListDirs; }
  void SetListDirs(const TStringList& lines) { FListDirs.Assign(lines); }
  const TStringList& ListFiles() const { return FListFiles; }
  void SetListFiles(const TStringList& lines) { FListFiles.Assign(lines); }

  // Refills both lists from PathName and FileName. Entries whose names begin
  // with "." are left out; a missing folder leaves both lists empty.
  void ReadDir();

  PUBLISHED_PROPERTIES;

 private:
  std::string FPathName;
  std::string FFileName = "*.*";
  TStringList FListDirs;
  TStringList FListFiles;
  bool FPathInName = false;
};
