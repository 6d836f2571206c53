// The current-values window on many banks: the real window lists FILES
// banks, all ticked, and each round reads the folder again (so no bank is
// known yet), then opens the window with Ctrl+I until its list has
// painted, copies the whole table with Ctrl+C (every bank read and every
// cell made) and closes it with Escape.
//
//   values_bench NAME FILES ROUNDS     (under Wine, with a display)
//
// Prints NAME_open_seconds, NAME_copy_seconds and NAME_open_over_listing_ratio,
// the opening over the time the same window takes to list the folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/BenchSupport.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/Forms.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace klangor::bench;

const wchar_t* const Caption = L"Valeurs actuelles / Current values";

// A key as the message loop hands it to a window's shortcuts.
void Shortcut(HWND window, WORD key, TShiftState shift) {
  SendMessageW(window, CM_SHORTCUT, key, static_cast<LPARAM>(shift));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: values_bench NAME FILES ROUNDS\n");
    return 2;
  }
  const std::string name = argv[1];
  const int files = std::atoi(argv[2]), rounds = std::atoi(argv[3]);
  klangor::test::TempFolder folder;
  TForm1& form = CreateBenchWindow(folder);
  WriteSoundBanks(folder.pathOf(BenchSoundFolder), files, SoundBank(FillAllFields(form)));
  form.Show();
  form.Edit2->SetText(folder.pathOf("RBR"));

  std::vector<double> opens, copies, ratios;
  for (int round = 0; round < rounds; ++round) {
    const double listing = Now();
    Shortcut(form.Handle(), VK_F5, 0);
    Application.ProcessMessages();
    const double listed = Now() - listing;
    if (form.CLB->Count() != files) {
      std::fprintf(stderr, "listed %d files instead of %d\n", form.CLB->Count(), files);
      return 1;
    }
    const double start = Now();
    Shortcut(form.Handle(), 'I', ssCtrl);
    HWND window = FindWindowW(nullptr, Caption);
    if (!window || !IsWindowVisible(window)) {
      std::fprintf(stderr, "Ctrl+I showed no window\n");
      return 1;
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Application.ProcessMessages();
    const double opened = Now() - start;
    const double copying = Now();
    Shortcut(window, 'C', ssCtrl);
    copies.push_back(Now() - copying);
    Shortcut(window, VK_ESCAPE, 0);
    Application.ProcessMessages();
    opens.push_back(opened);
    ratios.push_back(opened / listed);
  }
  PrintSpread(name + "_open_seconds", opens);
  PrintSpread(name + "_copy_seconds", copies);
  PrintSpread(name + "_open_over_listing_ratio", ratios);
  delete Form1;
  return 0;
}
