// Start-up of Klangor against a bare window, interleaved: bare window,
// Klangor on the demo's twelve files, bare window, Klangor on 300 files, bare
// window, the window of native controls alone, and so on, ending with a bare
// window. Each start is divided by the mean of the bare starts just before
// and just after it, so that both sides of a ratio see the same load.
//
//   startup_bench DEMO_GAME_ROOT ROUNDS
//       (beside start_klangor.exe, bare_window.exe and native_window.exe)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/StartupClock.h"
#include "tests/support/RegistryFixture.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace klangor::bench;

std::string BesideThisProgram(const std::string& name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// Seconds from just before the program is started to the time it prints.
double StartSeconds(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  const long long started = SystemTime100ns();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
    std::exit(1);
  }
  CloseHandle(writeEnd);
  std::string output;
  char buffer[64];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (exitCode != 0 || output.empty()) {
    std::fprintf(stderr, "%s failed (exit code %lu)\n", commandLine.c_str(), exitCode);
    std::exit(1);
  }
  return static_cast<double>(std::atoll(output.c_str()) - started) / 1e7;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: startup_bench DEMO_GAME_ROOT ROUNDS\n");
    return 2;
  }
  const std::string demoRoot = argv[1];
  const int rounds = std::atoi(argv[2]);
  klangor::test::TempFolder folder;
  folder.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
  WriteSoundBanks(folder.pathOf("RBR\\KOVEN\\Sounds\\Audio"), 300, SoundBank({{"AMP::SOUNDS", "Engine", "1.0"}}));
  klangor::test::RegistryFixture game(HKEY_LOCAL_MACHINE, "SOFTWARE\\SCi Games\\Richard Burns Rally\\InstallPath",
                                      KEY_WOW64_32KEY);
  const std::string bare = BesideThisProgram("bare_window.exe");
  const std::string klangor = BesideThisProgram("start_klangor.exe");
  const std::string native = BesideThisProgram("native_window.exe");

  std::vector<double> bareSeconds{StartSeconds(bare)}, seconds12, seconds300, nativeSeconds, ratios12, ratios300,
      nativeRatios;
  const auto startOver = [&](const std::string& commandLine, std::vector<double>& seconds,
                             std::vector<double>& ratios) {
    seconds.push_back(StartSeconds(commandLine));
    bareSeconds.push_back(StartSeconds(bare));
    ratios.push_back(seconds.back() / ((bareSeconds.end()[-2] + bareSeconds.back()) / 2));
  };
  for (int round = 0; round < rounds; ++round) {
    game.setString("", demoRoot);
    startOver(klangor + " 12", seconds12, ratios12);
    game.setString("", folder.pathOf("RBR"));
    startOver(klangor + " 300", seconds300, ratios300);
    startOver(native, nativeSeconds, nativeRatios);
  }
  PrintSpread("startup_12_ratio", ratios12);
  PrintSpread("startup_300_ratio", ratios300);
  PrintSpread("startup_native_windows_ratio", nativeRatios);
  PrintSpread("startup_12_seconds", seconds12);
  PrintSpread("startup_300_seconds", seconds300);
  PrintSpread("startup_bare_seconds", bareSeconds);
  return 0;
}
