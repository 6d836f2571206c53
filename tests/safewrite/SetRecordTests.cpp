// The set record as written and as read back: only a record in exactly
// Klangor's shape counts, and only its whole lines.
#include <gtest/gtest.h>

#include "components/safewrite/SetRecord.h"

namespace {

const TFileDigest Copy = TFileDigest::Of("[A]\r\nx=1\r\n"), Left = TFileDigest::Of("[A]\r\nx=2\r\n");

std::string Header(const std::string& sequence = "7", const std::string& kind = "write") {
  return "Klangor backup set 1\r\nroot\tC:\\RBR\r\nsequence\t" + sequence + "\r\nkind\t" + kind + "\r\n";
}

std::string CopyLine(const std::string& name, const std::string& path) {
  return TSetRecord::CopyLine({name, path, Copy, std::nullopt});
}

}  // namespace

TEST(SetRecord, WrittenLinesReadBackAndACutLineDoesNotCount) {
  TSetRecord record;
  record.Root = "C:\\Richard Burns Rally";
  record.Sequence = 123456789012;
  record.Kind = skUndo;
  const std::string path = "C:\\Richard Burns Rally\\KOVEN\\Sounds\\Audio\\Čížek.ini";
  const std::string bytes = record.HeaderLines() + CopyLine("Čížek.ini", path) +
                            TSetRecord::LeftLine("Čížek.ini", Left) + CopyLine("b.ini", "C:\\b.ini") + "left\tb.in";
  EXPECT_EQ(record.HeaderLines(),
            "Klangor backup set 1\r\nroot\tC:\\Richard Burns Rally\r\nsequence\t123456789012\r\nkind\tundo\r\n");
  EXPECT_EQ(CopyLine("a.ini", "C:\\a.ini"), "copy\ta.ini\tC:\\a.ini\t10\t" + Copy.Sha256 + "\r\n");
  const std::optional<TSetRecord> read = TSetRecord::Parse(bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->Root, record.Root);
  EXPECT_EQ(read->Sequence, record.Sequence);
  EXPECT_EQ(read->Kind, skUndo);
  ASSERT_EQ(read->Entries.size(), 2u);
  EXPECT_EQ(read->Entries[0].Name, "Čížek.ini");
  EXPECT_EQ(read->Entries[0].OriginalPath, path);
  EXPECT_EQ(read->Entries[0].Copy, Copy);
  EXPECT_EQ(read->Entries[0].Left, Left);
  EXPECT_FALSE(read->Entries[1].Left.has_value());
  // A line cut in the middle of a character is not a whole line either.
  EXPECT_TRUE(TSetRecord::Parse(Header() + CopyLine("a.ini", "C:\\a.ini") + "copy\t\xC4").has_value());
}

TEST(SetRecord, AnythingButKlangorsOwnShapeIsNoRecord) {
  const std::string good = CopyLine("a.ini", "C:\\RBR\\KOVEN\\Sounds\\Audio\\a.ini");
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"an older set's files.txt", "a.ini\tC:\\windows\\win.ini\r\n"},
      {"another version", "Klangor backup set 2\r\nroot\tC:\\RBR\r\nsequence\t7\r\nkind\twrite\r\n"},
      {"header cut short", "Klangor backup set 1\r\nroot\tC:\\RBR\r\nsequence\t7\r\n"},
      {"no root", Header().replace(Header().find("C:\\RBR"), 6, "")},
      {"sequence zero", Header("0")},
      {"sequence with a leading zero", Header("07")},
      {"sequence past 18 digits", Header("1234567890123456789")},
      {"sequence not a number", Header("7a")},
      {"unknown kind", Header("7", "merge")},
      {"invalid UTF-8", Header() + CopyLine("a\xFF.ini", "C:\\RBR\\KOVEN\\Sounds\\Audio\\a.ini")},
      {"a NUL byte", Header() + CopyLine(std::string("a\0.ini", 6), "C:\\x.ini")},
      {"a blank line", Header() + "\r\n" + good},
      {"an unknown line", Header() + good + "delete\tC:\\windows\r\n"},
      {"a copy named twice", Header() + good + CopyLine("A.INI", "C:\\RBR\\b.ini")},
      {"a path named twice", Header() + good + CopyLine("b.ini", "c:\\rbr\\koven\\sounds\\audio\\A.INI")},
      {"a short hash", Header() + "copy\ta.ini\tC:\\a.ini\t10\tabc\r\n"},
      {"a hash in capitals", Header() + "copy\ta.ini\tC:\\a.ini\t10\t" + std::string(64, 'A') + "\r\n"},
      {"a size that is no number", Header() + "copy\ta.ini\tC:\\a.ini\t-1\t" + Copy.Sha256 + "\r\n"},
      {"a field too many", Header() + "copy\ta.ini\tC:\\a.ini\t10\t" + Copy.Sha256 + "\textra\r\n"},
      {"an empty name", Header() + CopyLine("", "C:\\a.ini")},
      {"left for no copy", Header() + TSetRecord::LeftLine("a.ini", Left)},
      {"left twice", Header() + good + TSetRecord::LeftLine("a.ini", Left) + TSetRecord::LeftLine("a.ini", Left)},
  };
  EXPECT_TRUE(TSetRecord::Parse(Header() + good).has_value());
  for (const auto& c : cases) EXPECT_FALSE(TSetRecord::Parse(c.bytes).has_value()) << c.name;
}
