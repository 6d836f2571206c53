// A backup set's own record, set.txt: what the set is and what it holds, as
// Klangor wrote it. UTF-8 lines, tab-separated fields, CR LF ends:
//
//   Klangor backup set 1
//   root<TAB><game root, full and long>
//   sequence<TAB><decimal, the store's highest + 1 when the set was made>
//   kind<TAB>write | undo | redo
//   copy<TAB><copy's name><TAB><original path><TAB><size><TAB><sha-256>
//   left<TAB><copy's name><TAB><size><TAB><sha-256>
//
// The four header lines are written at once when the set is made; then one
// "copy" line once a copy is complete and flushed, and one "left" line once
// Klangor is done with that file (what it left there). Lines are only ever
// added, and only whole lines count: a set cut short by a stop lists exactly
// the copies that can be put back. Anything else (another version, a field
// out of shape, a name given twice, a byte that is not UTF-8) makes the whole
// record invalid, and the set is never used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "components/safewrite/FileDigest.h"

// What made the set: a press of the write command, an undo (the set keeps
// what the undo replaced, for a redo) or a redo (what the redo replaced).
enum TSetKind { skWrite, skUndo, skRedo };

struct TSetRecord {
  struct TEntry {
    std::string Name;          // the copy's plain name inside the set, the file's own name
    std::string OriginalPath;  // where it was copied from
    TFileDigest Copy;
    std::optional<TFileDigest> Left;  // none until Klangor was done with the file
  };

  static constexpr const char* FileName = "set.txt";

  std::string Root;
  uint64_t Sequence = 0;
  TSetKind Kind = skWrite;
  std::vector<TEntry> Entries;

  // The record the bytes hold, or none when they are not a valid record.
  static std::optional<TSetRecord> Parse(const std::string& bytes);

  std::string HeaderLines() const;
  static std::string CopyLine(const TEntry& entry);
  static std::string LeftLine(const std::string& name, const TFileDigest& left);

  TEntry* Find(const std::string& name);
};
