// The text after the program's name on its command line, which Klangor
// takes as the game's folder.
#include <gtest/gtest.h>

#include "framework/Forms.h"

TEST(CommandLine, TailFollowsTheProgramName) {
  const std::pair<const wchar_t*, const char*> cases[] = {
      {L"Klangor.exe", ""},
      {L"\"C:\\Program Files\\Klangor\\Klangor.exe\"", ""},
      {L"\"C:\\Program Files\\Klangor\\Klangor.exe\"   ", ""},
      {L"Klangor.exe D:\\Jeux\\RBR", "D:\\Jeux\\RBR"},
      {L"Klangor.exe \"D:\\Jeux\\Richard Burns Rally\" ", "\"D:\\Jeux\\Richard Burns Rally\""},
      {L"\"C:\\Program Files\\Klangor.exe\" \"D:\\Jeux\\RBR\\\"", "\"D:\\Jeux\\RBR\\\""},
      {L"\"C:\\Program Files\\Klangor.exe\"D:\\RBR", "D:\\RBR"},
      {L"Klangor.exe\tD:\\Jeux\\Richard Burns Rally", "D:\\Jeux\\Richard Burns Rally"},
      {L"Klangor.exe Z:\\home\\pilote\\Jeux\\rbr\\café", "Z:\\home\\pilote\\Jeux\\rbr\\café"},
      {L"Klangor.exe D:\\Gry\\Łódź 🚗", "D:\\Gry\\Łódź 🚗"},
  };
  for (const auto& [commandLine, tail] : cases)
    EXPECT_EQ(TApplication::CommandLineTail(commandLine), tail) << testing::PrintToString(std::wstring(commandLine));
}
