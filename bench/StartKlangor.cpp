// Klangor's start as its program entry does it, up to the window shown with
// its list filled and painted; then it prints the time (StartupClock.h) and
// ends. The version check asks a closed loopback port and stays silent, so
// that its box stays out of the measurement.
//
//   start_klangor EXPECTED_FILES
#include <windows.h>

#include <cstdlib>

#include "app/Unit1.h"
#include "bench/BenchSupport.h"
#include "bench/StartupClock.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/Forms.h"

int main(int argc, char** argv) {
  Application.Initialize();
  klangor::bench::RegisterBenchLayoutClasses();
  Application.CreateForm(Form1);
  Form1->Show();
  klangor::bench::ReportShownWhenIdle();
  const bool listed = argc > 1 && Form1->CLB->Count() == std::atoi(argv[1]);
  ExitProcess(listed ? 0 : 1);
}
