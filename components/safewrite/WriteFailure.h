// Why a sound-bank file was not written (or not put back), as the user is
// told in the report: one short bilingual phrase per file.
#pragma once

#include <windows.h>

#include <string>

enum TWriteFailure {
  wfNone,
  wfInUse,         // another program holds it without write sharing
  wfAccessDenied,  // read-only file or protected folder
  wfPathTooLong,   // neither the path nor its short form fits the profile functions' 259 characters
  wfMissing,       // no longer exists as a file
  wfNotText,       // not text the profile functions handle
  wfBackupFailed,  // the copy into the backup set could not be made
  wfRestored,      // written incompletely, then put back from the copy
  wfNotRestored,   // written incompletely and could not be put back
  wfRefused,       // a backup record names a place Klangor never writes
  wfCopyMissing,   // the backup copy is gone
  wfCopyDamaged,   // the backup copy's size or hash is not the recorded one
  wfChangedSince,  // changed after the question about changed files: kept
  wfOther,         // any other system error
};

struct TFileResult {
  std::string Name;  // the file's name as listed
  TWriteFailure Failure = wfNone;
  DWORD Error = 0;       // the system's error code behind the failure, if any
  bool Touched = false;  // its content was changed, if only for a moment

  bool Failed() const { return Failure != wfNone; }
  // A failure that trying the same set again cannot mend: the set is then
  // done with, and the next undo goes to the one before.
  bool Permanent() const { return Failure == wfRefused || Failure == wfCopyMissing || Failure == wfCopyDamaged; }
};

// The failure a system error stands for when opening or writing a file.
TWriteFailure FailureFromError(DWORD error);

// The phrase the report shows after the file's name.
std::string FailureText(const TFileResult& result);
