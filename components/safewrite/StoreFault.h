// Why the backup store cannot take a set: the write (or the undo) is then not
// started, since no copy means no change, and the player is told why and
// where. The store is %LOCALAPPDATA%\Klangor\Backups: the first folder must
// exist, the two below it are Klangor's own and are made when missing.
#pragma once

#include <windows.h>

#include <string>

enum TStoreFaultKind {
  sfNone,
  sfNoLocalAppData,  // the local application data folder is unknown or missing
  sfNotAFolder,      // a file stands where Klangor or Backups should be
  sfFull,            // the store's volume is full
  sfDenied,          // the folder may not be written
  sfOther,           // any other system error
};

struct TStoreFault {
  TStoreFaultKind Kind = sfNone;
  std::string Path;  // the folder concerned
  DWORD Error = 0;

  explicit operator bool() const { return Kind != sfNone; }
  static TStoreFault FromError(DWORD error, const std::string& path);
};

// Makes the store's folder (Klangor, then Backups, below the folder that must
// exist), or says why it cannot be.
TStoreFault PrepareStoreFolder(const std::string& folder);

// What the store's fault stops.
enum TStoreUse { suWrite, suUndo, suOpen };

// The box text: what did not happen (French line, English line), then the
// reason and the folder.
std::string StoreFaultMessage(const TStoreFault& fault, TStoreUse use);
