#include "bench/BenchSupport.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "app/Registration.h"
#include "app/Unit1.h"
#include "components/version/VersionChecker.h"
#include "framework/Forms.h"
#include "framework/Layout.h"
#include "framework/SysUtils.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Utf8.h"

namespace klangor::bench {

namespace {

// Port 9 (discard) is closed on loopback: the download fails at once.
class TSilentVersionChecker : public TVersionChecker {
 public:
  using TVersionChecker::TVersionChecker;
  void Loaded() override {
    TVersionChecker::Loaded();
    SetURLCurrVerFile("http://127.0.0.1:9/curr_ver.txt");
    SetFailureDlg(false);
  }
};

}  // namespace

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PrintSpread(const std::string& name, std::vector<double> values) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  std::printf("%s: min %.3f median %.3f max %.3f (n %zu)\n", name.c_str(), values.front(), median, values.back(), n);
  std::fflush(stdout);
}

void RegisterBenchLayoutClasses() {
  RegisterLayoutClasses();
  ClassRegistry::Register<TSilentVersionChecker>("TVersionChecker");
}

const char* const BenchSoundFolder = "RBR\\KOVEN\\Sounds\\Audio";

TForm1& CreateBenchWindow(const klangor::test::TempFolder& folder) {
  Application.Initialize();
  RegisterBenchLayoutClasses();
  SetEnvironmentVariableW(L"LOCALAPPDATA", klangor::test::widen(folder.path()).c_str());
  folder.makeFolder(BenchSoundFolder);
  Application.CreateForm(Form1);
  return *Form1;
}

std::vector<TIniValue> FillAllFields(TForm1& form) {
  std::vector<TIniValue> values;
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

std::string SoundBank(const std::vector<TIniValue>& values) {
  std::string text = "; sound bank\r\n";
  std::string section;
  for (const TIniValue& value : values) {
    if (value.Section != section) text += "\r\n[" + (section = value.Section) + "]\r\n";
    text += value.Key + "=1.0\r\n";
  }
  for (int bank = 0; bank < 4; ++bank) {
    text += "\r\n[BANK" + IntToStr(bank) + "]\r\n";
    for (int line = 0; line < 10; ++line)
      text += "Sample" + IntToStr(line) + "=sounds\\s" + IntToStr(line) + ".wav\r\n";
  }
  return text;
}

void WriteSoundBanks(const std::string& folder, int count, const std::string& text) {
  for (int n = 0; n < count; ++n) {
    const std::string path = folder + "\\bank" + IntToStr(n) + ".ini";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }
}

}  // namespace klangor::bench
