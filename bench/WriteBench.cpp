// Measures what the write command costs beyond its private-profile writes:
// 30 values into each of 300 sound banks through the real window, against
// the same 9,000 WritePrivateProfileStringA calls in a bare loop, alternating
// the two so that both see the same disk and cache conditions.
//
//   write_bench [rounds]      (under Wine, with a display for the window)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Registration.h"
#include "app/Unit1.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/TempFolder.h"

using klangor::test::MessageBoxCatcher;
using klangor::test::TempFolder;

namespace {

constexpr int FileCount = 300;
const char* const AudioFolder = "RBR\\KOVEN\\Sounds\\Audio\\";

struct IniValue {
  std::string section, key, value;
};

// Fills the window's fields and returns the writes the command will make
// into each file, in its order.
std::vector<IniValue> FillFields(TForm1& form) {
  std::vector<IniValue> values;
  form.Edit1->SetText("32");
  values.push_back({"OPTIONS::SOUNDS", "NumberChannels", "32"});
  form.CheckBox1->SetChecked(true);
  values.push_back({"OPTIONS::SOUNDS", "EnableEQOnCars", "True"});
  for (const TForm1::GainRow& row : form.GainRows()) {
    row.Field->SetText("0.5");
    values.push_back({"AMP::SOUNDS", row.KeyLabel->Caption(), "0.5"});
  }
  return values;
}

// A sound bank of about 80 lines holding every key written, as the game
// ships them.
std::string SoundBank(const std::vector<IniValue>& values) {
  std::string text = "; sound bank\r\n";
  std::string section;
  for (const IniValue& value : values) {
    if (value.section != section) text += "\r\n[" + (section = value.section) + "]\r\n";
    text += value.key + "=1.0\r\n";
  }
  for (int bank = 0; bank < 4; ++bank) {
    text += "\r\n[BANK" + IntToStr(bank) + "]\r\n";
    for (int line = 0; line < 10; ++line) text += "Sample" + IntToStr(line) + "=sounds\\s" + IntToStr(line) + ".wav\r\n";
  }
  return text;
}

bool Written(const std::string& path, const IniValue& value) {
  char read[64] = {};
  GetPrivateProfileStringA(value.section.c_str(), value.key.c_str(), "", read, sizeof read, path.c_str());
  return value.value == read;
}

void ResetFiles(const TempFolder& folder, const std::string& text) {
  for (int n = 0; n < FileCount; ++n) folder.writeFile(AudioFolder + ("bank" + IntToStr(n) + ".ini"), text);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Work>
double Time(Work work) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return Seconds(start, end);
}

// The version check started with the window reports its result in a box;
// it is let through before timing so that it does not land inside a run.
void AwaitVersionCheck(const MessageBoxCatcher& boxes) {
  for (DWORD start = GetTickCount(); boxes.boxes().empty() && GetTickCount() - start < 20000;) {
    Application.ProcessMessages();
    Sleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  Application.Initialize();
  RegisterLayoutClasses();
  MessageBoxCatcher boxes;
  TempFolder folder;
  folder.makeFolder(AudioFolder);
  Application.CreateForm(Form1);
  TForm1& form = *Form1;
  const std::vector<IniValue> values = FillFields(form);
  const std::string text = SoundBank(values);
  ResetFiles(folder, text);

  form.Show();
  form.Edit2->SetText(folder.pathOf("RBR"));
  SendMessageW(form.Edit2->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  AwaitVersionCheck(boxes);
  if (form.CLB->Count() != FileCount) {
    std::fprintf(stderr, "listed %d files instead of %d\n", form.CLB->Count(), FileCount);
    return 1;
  }
  std::vector<std::string> paths;
  for (int i = 0; i < form.CLB->Count(); ++i) paths.push_back(folder.pathOf(AudioFolder + form.CLB->Items(i)));
  const size_t boxesBefore = boxes.boxes().size();

  double command = 0, bare = 0;
  for (int round = 0; round < rounds; ++round) {
    ResetFiles(folder, text);
    command += Time([&] {
      SendMessageW(form.bButton1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
      SendMessageW(form.bButton1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    });
    if (!Written(paths.back(), values.back())) {
      std::fprintf(stderr, "the write command did not write %s\n", paths.back().c_str());
      return 1;
    }
    ResetFiles(folder, text);
    bare += Time([&] {
      for (const std::string& path : paths)
        for (const IniValue& value : values)
          WritePrivateProfileStringA(value.section.c_str(), value.key.c_str(), value.value.c_str(), path.c_str());
    });
  }
  if (boxes.boxes().size() != boxesBefore) {
    std::fprintf(stderr, "a box came up during the runs: %s\n", boxes.boxes().back().text.c_str());
    return 1;
  }
  const double writes = static_cast<double>(rounds) * FileCount * static_cast<double>(values.size());
  std::printf("%d rounds of %d files x %zu values\n", rounds, FileCount, values.size());
  std::printf("write command: %.3f s (%.3f ms per write)\n", command, command * 1000 / writes);
  std::printf("bare calls:    %.3f s (%.3f ms per write)\n", bare, bare * 1000 / writes);
  std::printf("ratio:         %.3f\n", command / bare);
  delete Form1;
  return 0;
}
