// The game folders kept for the player between sessions, under
// HKEY_CURRENT_USER\Software\Klangor: "LastGameFolder" (REG_SZ), the last
// folder that listed a bank, and "RecentGameFolders" (REG_MULTI_SZ), the
// last five such folders, newest first, so that the window menu's recent
// folders survive a restart. Nothing else is kept there.
//
// What is read back is untrusted: any program may have put anything there.
// These texts are handed out as read, and the window checks each folder
// (TGameFolder) before it shows or lists it.
#pragma once

#include <string>
#include <vector>

class TRecentFolders {
 public:
  static constexpr size_t MostKept = 5;

  explicit TRecentFolders(std::string key = "Software\\Klangor");

  // The last folder that listed a bank; empty when none is kept.
  std::string Last() const;
  // The folders kept, newest first, at most five.
  std::vector<std::string> Recent() const;
  // Keeps the root as the last folder and first of the recent ones; the
  // same folder (letter case and a closing backslash aside) is not kept
  // twice. A registry that refuses the write keeps what it had: the
  // folders are a convenience, never in the way of the work.
  void Remember(const std::string& root);

 private:
  std::wstring Read(const wchar_t* name, unsigned long type) const;

  std::string FKey;
};
