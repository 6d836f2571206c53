// The marker of a set whose write is running: writing.marker in the set's
// folder. The running write keeps it open without sharing for as long as it
// runs, so another Klangor tells a running write (the marker cannot be
// opened) from an interrupted one (the marker is there and opens): it
// neither offers to put a running write's files back nor trims its set. The
// handle is not opened to delete itself on closing: a write that is killed
// must leave its marker behind.
#pragma once

#include <windows.h>

#include <string>

class TWritingMarker {
 public:
  static constexpr const char* FileName = "writing.marker";

  TWritingMarker() = default;
  ~TWritingMarker() { Close(); }
  TWritingMarker(const TWritingMarker&) = delete;
  TWritingMarker& operator=(const TWritingMarker&) = delete;

  // Makes the marker in the folder and holds it; 0 or the system's error.
  DWORD Hold(const std::string& folder);
  // Deletes the marker: through the held handle, so that it is never there
  // unheld for a moment.
  void Remove();

  static bool Present(const std::string& folder);
  // Another handle holds it: a write is running.
  static bool Held(const std::string& folder);

 private:
  void Close();

  HANDLE FHandle = INVALID_HANDLE_VALUE;
};
