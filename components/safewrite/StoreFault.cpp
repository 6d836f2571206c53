#include "components/safewrite/StoreFault.h"

#include "components/safewrite/WinFile.h"
#include "framework/FilePath.h"

namespace {

// Makes the folder when missing; its parent exists.
TStoreFault MakeFolder(const std::string& path) {
  const DWORD attributes = WinFile::Attributes(path);
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? TStoreFault{} : TStoreFault{sfNotAFolder, path, 0};
  if (CreateDirectoryW(FilePathW(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) return {};
  return TStoreFault::FromError(GetLastError(), path);
}

std::string ParentOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string Reason(const TStoreFault& fault) {
  switch (fault.Kind) {
    case sfNone: return "";
    case sfNoLocalAppData:
      return "le dossier des données locales (%LOCALAPPDATA%) n'existe pas / the local application data folder "
             "(%LOCALAPPDATA%) does not exist";
    case sfNotAFolder: return "un fichier occupe la place du dossier / a file stands where the folder should be";
    case sfFull: return "le disque est plein / the disk is full";
    case sfDenied: return "écriture refusée / writing is not allowed";
    case sfOther: return "erreur / error (" + WinFile::SystemMessage(fault.Error) + ")";
  }
  return "";
}

}  // namespace

TStoreFault TStoreFault::FromError(DWORD error, const std::string& path) {
  switch (error) {
    case 0: return {};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return {sfFull, path, error};
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return {sfDenied, path, error};
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_DIRECTORY: return {sfNotAFolder, path, error};
    default: return {sfOther, path, error};
  }
}

TStoreFault PrepareStoreFolder(const std::string& folder) {
  const std::string klangor = ParentOf(folder), base = ParentOf(klangor);
  const DWORD attributes = base.empty() ? INVALID_FILE_ATTRIBUTES : WinFile::Attributes(base);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return {sfNoLocalAppData, base.empty() ? "%LOCALAPPDATA%" : base, 0};
  if (TStoreFault fault = MakeFolder(klangor)) return fault;
  return MakeFolder(folder);
}

std::string StoreFaultMessage(const TStoreFault& fault, TStoreUse use) {
  static const char* const Headings[] = {
      "Aucun fichier n'a été modifié : la sauvegarde est impossible.\r"
      "No file was modified: no backup can be made.",
      "Rien n'a été remis : ce que l'annulation remplacerait ne peut pas être sauvegardé.\r"
      "Nothing was put back: what the undo would replace cannot be saved.",
      "Le dossier des sauvegardes ne peut pas être ouvert.\r"
      "The backups folder cannot be opened.",
  };
  return std::string(Headings[use]) + "\r" + Reason(fault) + " : " + fault.Path;
}
