// Where a backup may be put back: only over a plain .ini file directly
// inside the sound folder of the set's game root, named as its copy. A
// path read from a record is compared only after full normalisation:
//
//   - "\\?\C:\..." and "\\?\UNC\server\share\..." lose their prefix; other
//     device forms ("\\.\", "\??\", volume names) are refused;
//   - a stream (":" past the drive), a wildcard, a control character, or a
//     name ending in a dot or a blank (which Windows would quietly drop) is
//     refused;
//   - ".", "..", repeated separators and "/" are resolved (GetFullPathNameW),
//     short 8.3 names become long ones (GetLongPathNameW), and names are
//     compared without regard to letter case.
//
// The sound folder must exist and not be a link; the file, when it exists,
// must be a plain file reached directly inside it (see FolderEntry).
#pragma once

#include <optional>
#include <string>

#include "components/safewrite/WriteFailure.h"

// A plain file name ending in ".ini": no separator, no stream, no wildcard,
// not "." or "..", no dot or blank at its end, not a device name (CON, NUL...).
bool IsPlainIniName(const std::string& name);

// The path in its full, long form without a "\\?\" prefix; none for a path
// refused above, or whose folder does not exist.
std::optional<std::string> NormalPath(const std::string& path);

struct TRestoreTarget {
  std::string Folder;  // the sound folder, normalised
  std::string Name;    // the file's name inside it
  TWriteFailure Refusal = wfNone;

  std::string Path() const { return Folder + "\\" + Name; }
};

// Checks that `originalPath` is the file `name` of the sound folder below
// `root`; Refusal is wfRefused when it is not.
TRestoreTarget RestoreTarget(const std::string& root, const std::string& originalPath, const std::string& name);
