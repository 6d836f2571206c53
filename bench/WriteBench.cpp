// The write command against its own private-profile writes, both measured
// inside the same press: the real window writes 30 values into each listed
// sound bank while every WritePrivateProfileStringW call it makes is timed
// on its way through the import table. The press includes what makes it
// safe: the backup copy of each file and the read-back check after its
// writes. Each press gives one ratio, so a busy machine slows both sides of
// it alike.
//
//   write_bench NAME FILES PRESSES     (under Wine, with a display)
//
// Prints NAME_ratio, and NAME_extra_ms_per_file: the time of the command
// beyond its writes, per listed file, which does not move with the speed of
// the disk as the ratio does.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/BenchSupport.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Utf8.h"

// The import table's slot through which the program calls the function.
extern "C" decltype(&WritePrivateProfileStringW) __imp_WritePrivateProfileStringW;

namespace {

using namespace klangor::bench;

decltype(&WritePrivateProfileStringW) RealWrite = nullptr;
double WriteSeconds = 0;
long WriteCalls = 0;

BOOL WINAPI TimedWrite(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
  const double start = Now();
  const BOOL result = RealWrite(section, key, value, file);
  WriteSeconds += Now() - start;
  ++WriteCalls;
  return result;
}

void TimeProfileWrites() {
  DWORD old = 0;
  VirtualProtect(&__imp_WritePrivateProfileStringW, sizeof(void*), PAGE_READWRITE, &old);
  RealWrite = __imp_WritePrivateProfileStringW;
  __imp_WritePrivateProfileStringW = TimedWrite;
  VirtualProtect(&__imp_WritePrivateProfileStringW, sizeof(void*), old, &old);
}

bool Written(const std::string& path, const TIniValue& value) {
  char read[64] = {};
  GetPrivateProfileStringA(value.Section.c_str(), value.Key.c_str(), "", read, sizeof read, path.c_str());
  return value.Value == read;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: write_bench NAME FILES PRESSES\n");
    return 2;
  }
  const std::string name = argv[1];
  const int files = std::atoi(argv[2]), presses = std::atoi(argv[3]);
  Application.Initialize();
  RegisterBenchLayoutClasses();
  klangor::test::TempFolder folder;
  // The backup sets of the presses go into the bench's own folder.
  SetEnvironmentVariableW(L"LOCALAPPDATA", klangor::test::widen(folder.path()).c_str());
  const std::string audio = "RBR\\KOVEN\\Sounds\\Audio";
  folder.makeFolder(audio);
  Application.CreateForm(Form1);
  TForm1& form = *Form1;
  const std::vector<TIniValue> values = FillAllFields(form);
  const std::string text = SoundBank(values);
  WriteSoundBanks(folder.pathOf(audio), files, text);
  form.Show();
  form.Edit2->SetText(folder.pathOf("RBR"));
  SendMessageW(form.Edit2->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  Application.ProcessMessages();
  if (form.CLB->Count() != files) {
    std::fprintf(stderr, "listed %d files instead of %d\n", form.CLB->Count(), files);
    return 1;
  }
  const std::string lastPath = folder.pathOf(audio + "\\" + form.CLB->Items(files - 1));
  TimeProfileWrites();

  std::vector<double> ratios, extras;
  for (int press = 0; press < presses; ++press) {
    WriteSoundBanks(folder.pathOf(audio), files, text);
    Application.ProcessMessages();
    WriteSeconds = 0;
    WriteCalls = 0;
    const double start = Now();
    SendMessageW(form.bButton1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(form.bButton1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    const double command = Now() - start;
    if (WriteCalls != static_cast<long>(files * values.size()) || !Written(lastPath, values.back())) {
      std::fprintf(stderr, "the press made %ld writes instead of %zu\n", WriteCalls, files * values.size());
      return 1;
    }
    ratios.push_back(command / WriteSeconds);
    extras.push_back((command - WriteSeconds) * 1000 / files);
  }
  PrintSpread(name + "_ratio", ratios);
  PrintSpread(name + "_extra_ms_per_file", extras);
  delete Form1;
  return 0;
}
