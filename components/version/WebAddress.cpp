// Checking a download address and opening it in the user's browser.
#include "components/version/WebAddress.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <shlwapi.h>

#include <cwchar>
#include <string_view>

namespace {

constexpr size_t MaxAddressLength = 1024;

// ASSOCF_IS_PROTOCOL, which the headers declare from Windows 8 on only: with
// it the lookup follows the user's choice of browser for the scheme. A system
// that does not know it fails the lookup, and the shell then opens the address.
constexpr ASSOCF LookUpScheme = static_cast<ASSOCF>(0x00001000);

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

// The characters RFC 3986 lets an address hold without escaping.
bool IsAddressCharacter(wchar_t c) {
  constexpr std::wstring_view Marks = L"-._~:/?#[]@!$&'()*+,;=";
  return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
         Marks.find(c) != std::wstring_view::npos;
}

bool HasOnlyAddressCharacters(std::wstring_view address) {
  for (size_t i = 0; i < address.size(); ++i) {
    if (address[i] == L'%') {
      if (i + 2 >= address.size() || !IsHexDigit(address[i + 1]) || !IsHexDigit(address[i + 2])) return false;
      i += 2;
    } else if (!IsAddressCharacter(address[i])) {
      return false;
    }
  }
  return true;
}

// The host of what follows "scheme://": the authority runs to the path, query
// or fragment; the user information before "@" and the port after ":" are not
// part of the host, a bracketed host keeps its own ":".
std::wstring_view HostOf(std::wstring_view rest) {
  std::wstring_view authority = rest.substr(0, rest.find_first_of(L"/?#"));
  const size_t at = authority.rfind(L'@');
  if (at != std::wstring_view::npos) authority.remove_prefix(at + 1);
  if (!authority.starts_with(L'[')) return authority.substr(0, authority.find(L':'));
  const size_t close = authority.find(L']');
  return close == std::wstring_view::npos ? std::wstring_view() : authority.substr(1, close - 1);
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
  return text.size() >= prefix.size() && _wcsnicmp(text.data(), prefix.data(), prefix.size()) == 0;
}

// The command the user's handler of the scheme is started with, "" when the
// handler has none (it is then reached through the shell only).
std::wstring OpenCommandOf(const std::wstring& scheme) {
  DWORD length = 0;
  if (AssocQueryStringW(LookUpScheme, ASSOCSTR_COMMAND, scheme.c_str(), L"open", nullptr, &length) != S_FALSE)
    return {};
  std::wstring command(length, L'\0');
  if (FAILED(AssocQueryStringW(LookUpScheme, ASSOCSTR_COMMAND, scheme.c_str(), L"open", command.data(), &length)))
    return {};
  command.resize(std::wcslen(command.c_str()));
  return command;
}

// The command with the address in place of "%1" or "%L" and the placeholders
// that stand for nothing when an address is opened left out, as the shell
// fills them in. The address holds no quote and no blank, so whether the
// command quotes it or not it stays one argument.
std::wstring CommandOpening(const std::wstring& command, const std::wstring& address) {
  std::wstring filled;
  bool placed = false;
  for (size_t i = 0; i < command.size(); ++i) {
    if (command[i] != L'%' || i + 1 == command.size()) {
      filled += command[i];
      continue;
    }
    const wchar_t placeholder = command[++i];
    if (placeholder == L'%') filled += L'%';
    if (placeholder == L'1' || placeholder == L'l' || placeholder == L'L') {
      filled += address;
      placed = true;
    }
  }
  return placed ? filled : filled + L" \"" + address + L"\"";
}

void StartProcess(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace

bool IsOpenableWebAddress(const std::wstring& address) {
  if (address.size() > MaxAddressLength || !HasOnlyAddressCharacters(address)) return false;
  for (std::wstring_view scheme : {L"http://", L"https://"})
    if (StartsWithNoCase(address, scheme)) return !HostOf(std::wstring_view(address).substr(scheme.size())).empty();
  return false;
}

// The handler's command is filled in here rather than by the shell's open:
// Wine's shell copies the address into fixed buffers of 1,024 characters, so
// from about 970 characters on its open overruns its stack, and it cuts the
// handler's command line, address included, at 1,024 characters. A handler
// that has no command (one started by the shell's own means) is left to the
// shell.
void OpenWebAddress(const std::wstring& address) {
  const std::wstring command = OpenCommandOf(address.substr(0, address.find(L':')));
  if (command.empty())
    ShellExecuteW(nullptr, L"open", address.c_str(), L"", L"", SW_SHOWNORMAL);
  else
    StartProcess(CommandOpening(command, address));
}
