#include "tests/version/ShellOpenWatch.h"

#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <stdexcept>

namespace klangor::test {
namespace {

// Wine reads the scheme handlers from the machine's classes only (it does not
// merge the user's classes into HKEY_CLASSES_ROOT), so they are replaced there.
std::string readCommand(const std::string& key) {
  char command[1024] = {};
  DWORD size = sizeof command;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, command, &size) != ERROR_SUCCESS)
    return {};
  return command;
}

void writeCommand(const std::string& key, const std::string& command) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS)
    throw std::runtime_error("cannot open " + key);
  RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>(command.size() + 1));
  RegCloseKey(handle);
}

bool recorderRunning() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool running = false;
  for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
    running = lstrcmpiA(entry.szExeFile, "OpenRecorder.exe") == 0;
  CloseHandle(snapshot);
  return running;
}

}  // namespace

ShellOpenWatch::ShellOpenWatch() {
  SetEnvironmentVariableA("KLANGOR_OPEN_LOG", folder_.pathOf("opened.txt").c_str());
  for (const char* scheme : {"http", "https"}) {
    const std::string key = std::string("Software\\Classes\\") + scheme + "\\shell\\open\\command";
    saved_.push_back({key, readCommand(key)});
    writeCommand(key, "\"" + recorderPath() + "\" \"%1\"");
  }
}

ShellOpenWatch::~ShellOpenWatch() {
  for (const SavedCommand& saved : saved_) writeCommand(saved.key, saved.command);
  SetEnvironmentVariableA("KLANGOR_OPEN_LOG", nullptr);
}

std::string ShellOpenWatch::recorderPath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + "OpenRecorder.exe";
}

std::vector<std::string> ShellOpenWatch::waitForOpened(size_t count) const {
  for (;;) {
    std::vector<std::string> opened = openedSoFar();
    if (opened.size() >= count) return opened;
    Sleep(20);
  }
}

std::vector<std::string> ShellOpenWatch::openedSoFar() const {
  while (recorderRunning()) Sleep(20);
  return folder_.exists("opened.txt") ? folder_.readLines("opened.txt") : std::vector<std::string>{};
}

}  // namespace klangor::test
