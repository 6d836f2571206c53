#include "components/safewrite/IniContent.h"

#include <windows.h>

#include "framework/Text.h"

namespace {

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// The check after each write compares every written key with every line of
// its section several times over: names of different lengths are told apart
// without the call, since an ordinal comparison folds each unit to one unit.
bool SameName(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                      static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

std::wstring Utf16(const std::string& bytes, bool bigEndian) {
  std::wstring text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned char first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    text += static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return text;
}

std::wstring Decoded(const std::string& bytes) {
  if (bytes.rfind("\xFF\xFE", 0) == 0) return Utf16(bytes, false);
  if (bytes.rfind("\xFE\xFF", 0) == 0) return Utf16(bytes, true);
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return Text::ToWide(bytes.substr(3));
  // An 8-bit file is read in the system's code page, as the profile functions read it.
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

}  // namespace

bool TIniContent::Line::operator==(const Line& other) const {
  if (IsEntry != other.IsEntry) return false;
  return IsEntry ? SameName(Name, other.Name) && Value == other.Value : Name == other.Name;
}

bool TIniContent::operator==(const TIniContent& other) const {
  if (FSections.size() != other.FSections.size()) return false;
  for (size_t i = 0; i < FSections.size(); ++i) {
    const Section &mine = FSections[i], &theirs = other.FSections[i];
    if (mine.HasHeader != theirs.HasHeader || !SameName(mine.Name, theirs.Name) || mine.Lines != theirs.Lines)
      return false;
  }
  return true;
}

TIniContent TIniContent::Parse(const std::string& bytes) {
  TIniContent content;
  content.FSections.push_back({false, L"", {}});
  const std::wstring text = Decoded(bytes);
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    content.AddLine(Trimmed(text.substr(start, end - start)));
    start = end + 1;
  }
  return content;
}

void TIniContent::AddLine(std::wstring line) {
  if (line.empty()) return;
  const size_t close = line.rfind(L']');
  if (line[0] == L'[' && close != std::wstring::npos) {
    FSections.push_back({true, Trimmed(line.substr(1, close - 1)), {}});
    return;
  }
  const size_t equals = line.find(L'=');
  if (equals == std::wstring::npos)
    FSections.back().Lines.push_back({false, line, L""});
  else
    FSections.back().Lines.push_back({true, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
}

size_t TIniContent::SectionIndex(const std::wstring& name) const {
  for (size_t i = 0; i < FSections.size(); ++i)
    if (FSections[i].HasHeader && SameName(FSections[i].Name, name)) return i;
  return None;
}

size_t TIniContent::EntryIndex(const Section& section, const std::wstring& key) {
  for (size_t i = 0; i < section.Lines.size(); ++i)
    if (section.Lines[i].IsEntry && SameName(section.Lines[i].Name, key)) return i;
  return None;
}

std::optional<std::wstring> TIniContent::Read(const std::wstring& section, const std::wstring& key) const {
  const size_t found = SectionIndex(section);
  if (found == None) return std::nullopt;
  const size_t entry = EntryIndex(FSections[found], key);
  if (entry == None) return std::nullopt;
  return FSections[found].Lines[entry].Value;
}

bool TIniContent::Find(const std::string& section, const std::string& key, std::string& value) const {
  const std::optional<std::wstring> read = Read(Text::ToWide(section), Text::ToWide(key));
  if (read) value = Text::FromWide(*read);
  return read.has_value();
}

// A later section or key of a name already met is never read.
std::vector<std::pair<std::wstring, std::wstring>> TIniContent::ReadableKeys() const {
  std::vector<std::pair<std::wstring, std::wstring>> keys;
  for (size_t section = 0; section < FSections.size(); ++section) {
    if (!FSections[section].HasHeader || SectionIndex(FSections[section].Name) != section) continue;
    const std::vector<Line>& lines = FSections[section].Lines;
    for (size_t line = 0; line < lines.size(); ++line)
      if (lines[line].IsEntry && EntryIndex(FSections[section], lines[line].Name) == line)
        keys.emplace_back(FSections[section].Name, lines[line].Name);
  }
  return keys;
}

std::vector<TIniChange> TIniContent::Changes(const TIniContent& before, const TIniContent& after) {
  std::vector<std::pair<std::wstring, std::wstring>> keys = after.ReadableKeys();
  for (const auto& key : before.ReadableKeys())
    if (!after.Read(key.first, key.second)) keys.push_back(key);
  std::vector<TIniChange> changes;
  for (const auto& [section, key] : keys) {
    const std::optional<std::wstring> was = before.Read(section, key), now = after.Read(section, key);
    if (was == now) continue;
    auto utf8 = [](const std::optional<std::wstring>& value) {
      return value ? std::optional(Text::FromWide(*value)) : std::nullopt;
    };
    changes.push_back({Text::FromWide(section), Text::FromWide(key), utf8(was), utf8(now)});
  }
  return changes;
}

TIniContent TIniContent::WithValues(const std::vector<TIniValue>& written) const {
  TIniContent changed = *this;
  for (const TIniValue& value : written) {
    const size_t section = changed.SectionIndex(Text::ToWide(value.Section));
    if (section == None) continue;
    std::vector<Line>& lines = changed.FSections[section].Lines;
    const size_t entry = EntryIndex(changed.FSections[section], Text::ToWide(value.Key));
    if (entry != None) lines[entry].Value = Trimmed(Text::ToWide(value.Value));
  }
  return changed;
}

TIniContent TIniContent::WithoutAdded(const TIniContent& before, const std::vector<TIniValue>& written) const {
  TIniContent kept = *this;
  for (const TIniValue& value : written) {
    const std::wstring sectionName = Text::ToWide(value.Section), key = Text::ToWide(value.Key);
    const size_t old = before.SectionIndex(sectionName);
    if (old != None && EntryIndex(before.FSections[old], key) != None) continue;
    const size_t section = kept.SectionIndex(sectionName);
    if (section == None) continue;
    std::vector<Line>& lines = kept.FSections[section].Lines;
    const size_t added = EntryIndex(kept.FSections[section], key);
    if (added != None) lines.erase(lines.begin() + static_cast<long>(added));
    if (old == None && lines.empty()) kept.FSections.erase(kept.FSections.begin() + static_cast<long>(section));
  }
  return kept;
}

bool TIniContent::KeepsAfterWrite(const TIniContent& before, const std::vector<TIniValue>& written) const {
  for (const TIniValue& value : written) {
    std::string found;
    if (!Find(value.Section, value.Key, found) || Text::ToWide(found) != Trimmed(Text::ToWide(value.Value)))
      return false;
  }
  return WithoutAdded(before, written) == before.WithValues(written);
}
