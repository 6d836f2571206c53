// The main of every test executable.
//
// A crash must fail the test, not wait for somebody: without these error-mode
// flags Windows (and Wine's debugger under Xvfb) opens a crash or "insert disk"
// box that nobody closes, and ctest only ends the test at its time-out.
#include <gtest/gtest.h>

#include <windows.h>

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
