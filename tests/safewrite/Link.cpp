#include "tests/safewrite/Link.h"

#include <windows.h>

#include "tests/support/Utf8.h"

namespace klangor::test {
namespace {

using UnixFileName = char*(CDECL*)(const wchar_t*);

// Wine's own export, absent on Windows.
UnixFileName WineUnixFileName() {
  return reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

std::string UnixPath(const std::string& path) {
  char* unix = WineUnixFileName()(widen(path).c_str());
  if (!unix) return "";
  std::string result = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

// Starts a Unix program, which Wine starts as it starts a Windows one; the
// process handle may be signalled before the program is done, so callers
// wait for its effect.
void RunUnix(const std::string& commandLine) {
  std::wstring command = widen(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return;
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool Exists(const std::string& path) { return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Waits up to five seconds for the link to be there, or gone.
bool Await(const std::string& path, bool there) {
  for (int waited = 0; Exists(path) != there; waited += 10) {
    if (waited >= 5000) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace

Link::Link(const std::string& link, const std::string& target, bool folder) : link_(link), folder_(folder) {
  if (WineUnixFileName()) {
    // The target's folder must exist for its Unix name; the link's own name is new.
    const size_t slash = link.find_last_of('\\');
    RunUnix("/bin/ln -s " + Quoted(UnixPath(target)) + " " +
            Quoted(UnixPath(link.substr(0, slash)) + "/" + link.substr(slash + 1)));
  } else {
    CreateSymbolicLinkW(widen(link).c_str(), widen(target).c_str(), folder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
  }
  made_ = Await(link, true);
}

Link::~Link() {
  if (WineUnixFileName()) {
    const std::string unixLink = UnixPath(link_);
    if (!unixLink.empty()) RunUnix("/bin/rm -f " + Quoted(unixLink));
    Await(link_, false);
  } else if (folder_) {
    RemoveDirectoryW(widen(link_).c_str());
  } else {
    DeleteFileW(widen(link_).c_str());
  }
}

}  // namespace klangor::test
