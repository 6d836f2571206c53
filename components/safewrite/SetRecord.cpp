#include "components/safewrite/SetRecord.h"

#include <windows.h>

#include "components/safewrite/WinFile.h"

namespace {

const char* const VersionLine = "Klangor backup set 1";
const char* const KindNames[] = {"write", "undo", "redo"};
// Sequence numbers and sizes are read within what 64 bits hold.
constexpr size_t MostDigits = 18;

bool IsUtf8(const std::string& bytes) {
  return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                              static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// The lines without their CR LF or LF: whole lines only, since a line cut
// short by a stop was never complete.
std::optional<std::vector<std::string>> WholeLines(const std::string& bytes) {
  const std::string whole = bytes.substr(0, bytes.rfind('\n') + 1);
  if (!IsUtf8(whole) || whole.find('\0') != std::string::npos) return std::nullopt;
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = whole.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = whole.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::optional<uint64_t> Number(const std::string& text) {
  if (text.empty() || text.size() > MostDigits || (text.size() > 1 && text[0] == '0')) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return value;
}

std::optional<TFileDigest> Digest(const std::string& size, const std::string& sha256) {
  const std::optional<uint64_t> bytes = Number(size);
  if (!bytes || sha256.size() != 64) return std::nullopt;
  for (char c : sha256)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
  return TFileDigest{*bytes, sha256};
}

std::string DigestFields(const TFileDigest& digest) { return std::to_string(digest.Size) + "\t" + digest.Sha256; }

// A header line "<name><TAB><value>" with a value.
std::optional<std::string> HeaderValue(const std::string& line, const std::string& name) {
  const std::vector<std::string> fields = Fields(line);
  if (fields.size() != 2 || fields[0] != name || fields[1].empty()) return std::nullopt;
  return fields[1];
}

bool AddEntry(TSetRecord& record, const std::vector<std::string>& fields) {
  if (fields.size() != 5 || fields[1].empty() || fields[2].empty()) return false;
  const std::optional<TFileDigest> copy = Digest(fields[3], fields[4]);
  if (!copy || record.Find(fields[1])) return false;
  for (const TSetRecord::TEntry& entry : record.Entries)
    if (WinFile::SameFileName(entry.OriginalPath, fields[2])) return false;
  record.Entries.push_back({fields[1], fields[2], *copy, std::nullopt});
  return true;
}

bool AddLeft(TSetRecord& record, const std::vector<std::string>& fields) {
  if (fields.size() != 4) return false;
  TSetRecord::TEntry* entry = record.Find(fields[1]);
  const std::optional<TFileDigest> left = Digest(fields[2], fields[3]);
  if (!entry || entry->Left || !left) return false;
  entry->Left = left;
  return true;
}

}  // namespace

std::optional<TSetRecord> TSetRecord::Parse(const std::string& bytes) {
  const std::optional<std::vector<std::string>> whole = WholeLines(bytes);
  if (!whole || whole->size() < 4 || (*whole)[0] != VersionLine) return std::nullopt;
  const std::vector<std::string>& lines = *whole;
  TSetRecord record;
  const std::optional<std::string> root = HeaderValue(lines[1], "root");
  const std::optional<std::string> sequence = HeaderValue(lines[2], "sequence");
  const std::optional<std::string> kind = HeaderValue(lines[3], "kind");
  if (!root || !sequence || !kind) return std::nullopt;
  record.Root = *root;
  const std::optional<uint64_t> number = Number(*sequence);
  if (!number || *number == 0) return std::nullopt;
  record.Sequence = *number;
  size_t kindIndex = 0;
  while (kindIndex < std::size(KindNames) && *kind != KindNames[kindIndex]) ++kindIndex;
  if (kindIndex == std::size(KindNames)) return std::nullopt;
  record.Kind = static_cast<TSetKind>(kindIndex);
  for (size_t i = 4; i < lines.size(); ++i) {
    const std::vector<std::string> fields = Fields(lines[i]);
    const bool added = fields[0] == "copy" ? AddEntry(record, fields) : fields[0] == "left" && AddLeft(record, fields);
    if (!added) return std::nullopt;
  }
  return record;
}

std::string TSetRecord::HeaderLines() const {
  return std::string(VersionLine) + "\r\nroot\t" + Root + "\r\nsequence\t" + std::to_string(Sequence) + "\r\nkind\t" +
         KindNames[Kind] + "\r\n";
}

std::string TSetRecord::CopyLine(const TEntry& entry) {
  return "copy\t" + entry.Name + "\t" + entry.OriginalPath + "\t" + DigestFields(entry.Copy) + "\r\n";
}

std::string TSetRecord::LeftLine(const std::string& name, const TFileDigest& left) {
  return "left\t" + name + "\t" + DigestFields(left) + "\r\n";
}

TSetRecord::TEntry* TSetRecord::Find(const std::string& name) {
  for (TEntry& entry : Entries)
    if (WinFile::SameFileName(entry.Name, name)) return &entry;
  return nullptr;
}
