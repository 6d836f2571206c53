// Handles and memory of the real window once it has listed and written a
// long list of sound banks, and again after it has listed and written them a
// second time: counts that grow with the files would show a leak per file.
//
//   resource_bench FILES     (under Wine, with a display)
#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Unit1.h"
#include "bench/BenchSupport.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace klangor::bench;

int WindowCount() {
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM count) -> BOOL {
        auto* counted = reinterpret_cast<int*>(count);
        ++*counted;
        EnumChildWindows(
            window, [](HWND, LPARAM all) -> BOOL { return ++*reinterpret_cast<int*>(all) > 0; }, count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// GetGuiResources answers 0 under Wine, whose GDI objects are listed in its
// own handle table (the PEB's GdiSharedHandleTable, entries of 24 bytes with
// the object type at byte 14).
unsigned long GdiObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    // mingw's NtCurrentTeb reads the thread block through a zero-length array,
    // which GCC takes for an access out of bounds.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  auto* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
  unsigned long count = 0;
  for (int entry = 0; table && entry < 0x10000; ++entry) count += table[entry * 24 + 14] != 0;
  return count;
}

// Windows are the USER objects this program makes; GetGuiResources, where it
// works, counts its cursors and icons too.
unsigned long UserObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return count;
  return static_cast<unsigned long>(WindowCount());
}

// Kernel handles are multiples of 4; GetProcessHandleCount is a stub under Wine.
unsigned long KernelHandles() {
  unsigned long count = 0;
  for (ULONG_PTR value = 4, misses = 0; misses < 4096; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
      ++count;
      misses = 0;
    } else {
      ++misses;
    }
  }
  return count;
}

size_t CommittedPrivateKb() {
  size_t bytes = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (auto* address = static_cast<const char*>(nullptr);
       VirtualQuery(address, &region, sizeof region) == sizeof region; address += region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
    if (static_cast<const char*>(region.BaseAddress) + region.RegionSize <= address) break;
  }
  return bytes / 1024;
}

void PrintResources(const std::string& when) {
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("%s: gdi %lu user %lu windows %d handles %lu private_kb %zu working_set_kb %zu\n", when.c_str(),
              GdiObjects(), UserObjects(), WindowCount(), KernelHandles(), CommittedPrivateKb(),
              memory.WorkingSetSize / 1024);
  std::fflush(stdout);
}

void ListAndWrite(TForm1& form, const std::string& root) {
  form.Edit2->SetText(root);
  SendMessageW(form.Edit2->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  SendMessageW(form.bButton1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  SendMessageW(form.bButton1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  Application.ProcessMessages();
}

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 2000;
  Application.Initialize();
  RegisterBenchLayoutClasses();
  klangor::test::TempFolder folder;
  folder.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
  Application.CreateForm(Form1);
  TForm1& form = *Form1;
  WriteSoundBanks(folder.pathOf("RBR\\KOVEN\\Sounds\\Audio"), files, SoundBank(FillAllFields(form)));
  form.Show();
  ListAndWrite(form, folder.pathOf("RBR"));
  if (form.CLB->Count() != files) {
    std::fprintf(stderr, "listed %d files instead of %d\n", form.CLB->Count(), files);
    return 1;
  }
  PrintResources("resources_before_" + std::to_string(files));
  ListAndWrite(form, folder.pathOf("RBR"));
  PrintResources("resources_after_" + std::to_string(files));
  delete Form1;
  return 0;
}
