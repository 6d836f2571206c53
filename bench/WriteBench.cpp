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
// Prints NAME_ratio; NAME_extra_ms_per_file, the time of the command beyond
// its writes per listed file, which does not move with the speed of the disk
// as the ratio does; and NAME_without_file_calls_ratio, the press less the
// time inside the command's own file calls (the backup copies, the read-back
// checks) over its writes: what the command costs around its writes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

#include "app/Unit1.h"
#include "bench/BenchSupport.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "tests/support/TempFolder.h"

// The command's own file calls, which make each write safe: the backup
// copy, the read-back check, the backup set's files.
#define KLANGOR_FILE_CALLS(X) \
  X(CreateFileW)              \
  X(ReadFile)                 \
  X(WriteFile)                \
  X(FlushFileBuffers)         \
  X(SetEndOfFile)             \
  X(GetFileSizeEx)            \
  X(GetFileAttributesW)       \
  X(CloseHandle)              \
  X(CreateDirectoryW)         \
  X(DeleteFileW)              \
  X(FindFirstFileW)           \
  X(FindNextFileW)

// The import table's slots through which the program calls these functions.
#define KLANGOR_SLOT(function) extern decltype(&function) __imp_##function;
extern "C" {
KLANGOR_SLOT(WritePrivateProfileStringW)
KLANGOR_FILE_CALLS(KLANGOR_SLOT)
}

namespace {

using namespace klangor::bench;

struct TCallTime {
  double Seconds = 0;
  long Calls = 0;
};
TCallTime ProfileWrites, FileCalls;

template <auto& Slot>
std::remove_reference_t<decltype(Slot)> Real = nullptr;

template <auto& Slot, TCallTime& Time, class R, class... Args>
R WINAPI Timed(Args... args) {
  const double start = Now();
  const R result = Real<Slot>(args...);
  Time.Seconds += Now() - start;
  ++Time.Calls;
  return result;
}

template <auto& Slot, TCallTime& Time, class R, class... Args>
void Hook(R(WINAPI*)(Args...)) {
  DWORD old = 0;
  VirtualProtect(&Slot, sizeof(void*), PAGE_READWRITE, &old);
  Real<Slot> = Slot;
  Slot = &Timed<Slot, Time, R, Args...>;
  VirtualProtect(&Slot, sizeof(void*), old, &old);
}

#define KLANGOR_TIME_FILE_CALL(function) Hook<__imp_##function, FileCalls>(__imp_##function);

void TimeCalls() {
  Hook<__imp_WritePrivateProfileStringW, ProfileWrites>(__imp_WritePrivateProfileStringW);
  KLANGOR_FILE_CALLS(KLANGOR_TIME_FILE_CALL)
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
  klangor::test::TempFolder folder;
  TForm1& form = CreateBenchWindow(folder);
  const std::string audio = BenchSoundFolder;
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
  TimeCalls();

  std::vector<double> ratios, extras, unsafeRatios;
  for (int press = 0; press < presses; ++press) {
    WriteSoundBanks(folder.pathOf(audio), files, text);
    Application.ProcessMessages();
    ProfileWrites = FileCalls = {};
    const double start = Now();
    SendMessageW(form.bButton1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(form.bButton1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    const double command = Now() - start;
    if (ProfileWrites.Calls != static_cast<long>(files * values.size()) || !Written(lastPath, values.back())) {
      std::fprintf(stderr, "the press made %ld writes instead of %zu\n", ProfileWrites.Calls, files * values.size());
      return 1;
    }
    ratios.push_back(command / ProfileWrites.Seconds);
    extras.push_back((command - ProfileWrites.Seconds) * 1000 / files);
    unsafeRatios.push_back((command - FileCalls.Seconds) / ProfileWrites.Seconds);
  }
  PrintSpread(name + "_ratio", ratios);
  PrintSpread(name + "_extra_ms_per_file", extras);
  PrintSpread(name + "_without_file_calls_ratio", unsafeRatios);
  delete Form1;
  return 0;
}
