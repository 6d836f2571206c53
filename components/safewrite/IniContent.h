// A settings file as the private-profile functions read it: sections in
// order, each with its key = value entries and other lines (comments) in
// order. Blank lines, the blanks around names, values and lines, and the
// letter case of section and key names carry no meaning.
//
// The platform's writer may rewrite the whole file from what it parsed (Wine
// drops blank lines, turns "[ S ]" into "[S]" and "a = 1" into "a=1"), so a
// file is checked after a write by its parsed content, never by its bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TIniValue {
  std::string Section;
  std::string Key;
  std::string Value;
};

// A key whose value reads otherwise in one content than in another; none
// where that content lacks the key.
struct TIniChange {
  std::string Section;
  std::string Key;
  std::optional<std::string> Before;
  std::optional<std::string> After;
  bool operator==(const TIniChange&) const = default;
};

class TIniContent {
 public:
  // Decodes the bytes by their byte-order mark (UTF-16 either way, UTF-8),
  // otherwise in the system's code page.
  static TIniContent Parse(const std::string& bytes);

  // The value the profile functions read for a key: the first key of that
  // name in the first section of that name. False when there is none.
  bool Find(const std::string& section, const std::string& key, std::string& value) const;

  // True when this content, read after the given values were written into a
  // file whose content was `before`, holds each value as written and still
  // holds everything else `before` held, in the same order. Keys and sections
  // the write added may stand anywhere.
  bool KeepsAfterWrite(const TIniContent& before, const std::vector<TIniValue>& written) const;

  // The keys, as the profile functions read them, whose value differs
  // between the two contents: those of `after` in its order, then those only
  // `before` holds.
  static std::vector<TIniChange> Changes(const TIniContent& before, const TIniContent& after);

  bool operator==(const TIniContent& other) const;

 private:
  struct Line {
    bool IsEntry;        // key = value, or any other line (a comment)
    std::wstring Name;   // the key, or the whole line
    std::wstring Value;  // of an entry
    bool operator==(const Line& other) const;
  };
  struct Section {
    bool HasHeader;  // false for the lines before the first section
    std::wstring Name;
    std::vector<Line> Lines;
  };

  static constexpr size_t None = static_cast<size_t>(-1);

  void AddLine(std::wstring line);
  // Indexes of the first section of that name and of its first key of that
  // name, as the profile functions find them; None when there is none.
  size_t SectionIndex(const std::wstring& name) const;
  static size_t EntryIndex(const Section& section, const std::wstring& key);
  // The value read for the key, or none.
  std::optional<std::wstring> Read(const std::wstring& section, const std::wstring& key) const;
  // Each key the profile functions can read, section first, in file order.
  std::vector<std::pair<std::wstring, std::wstring>> ReadableKeys() const;
  // This content with the values written in place where `before` has their
  // key, and without the keys and sections the write added.
  TIniContent WithoutAdded(const TIniContent& before, const std::vector<TIniValue>& written) const;
  TIniContent WithValues(const std::vector<TIniValue>& written) const;

  std::vector<Section> FSections;
};
