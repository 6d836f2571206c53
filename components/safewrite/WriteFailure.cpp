#include "components/safewrite/WriteFailure.h"

#include "components/safewrite/WinFile.h"

TWriteFailure FailureFromError(DWORD error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return wfInUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return wfAccessDenied;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return wfMissing;
    case ERROR_FILENAME_EXCED_RANGE: return wfPathTooLong;
    default: return wfOther;
  }
}

std::string FailureText(const TFileResult& result) {
  switch (result.Failure) {
    case wfNone: return "";
    case wfInUse: return "utilisé par un autre programme (le jeu ?) / in use by another program (the game?)";
    case wfAccessDenied:
      return "accès refusé (lecture seule ou dossier protégé) / access denied (read-only or protected "
             "folder)";
    case wfPathTooLong:
      return "chemin trop long pour Windows (plus de 259 caractères) / path too long for Windows (over 259 characters)";
    case wfMissing: return "n'existe plus / no longer exists";
    case wfNotText: return "pas un fichier de réglages texte / not a text settings file";
    case wfBackupFailed:
      return "copie de sauvegarde impossible / backup copy failed (" + WinFile::SystemMessage(result.Error) + ")";
    case wfRestored:
      return "remis comme avant après une écriture incomplète (disque plein ?) / "
             "restored after an incomplete write (disk full?)";
    case wfNotRestored:
      return "écriture incomplète, l'original est dans la sauvegarde / "
             "incomplete write, the original is in the backup";
    case wfRefused:
      return "refusé : pas un fichier .ini du dossier des sons du jeu / refused: not an .ini file of the game's sound "
             "folder";
    case wfCopyMissing: return "copie de sauvegarde manquante / backup copy missing";
    case wfCopyDamaged: return "copie de sauvegarde abîmée (taille ou empreinte) / backup copy damaged (size or hash)";
    case wfChangedSince: return "modifié entre-temps, gardé tel quel / changed meanwhile, kept as it is";
    case wfOther: return "erreur / error (" + WinFile::SystemMessage(result.Error) + ")";
  }
  return "";
}
