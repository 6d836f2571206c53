// Whole-file reads and flushed writes through the W file functions, and the
// folders the backups live in. Every call returns 0 or the system's error
// code, which the caller turns into a reason for the user.
#pragma once

#include <windows.h>

#include <string>

namespace WinFile {

DWORD Read(const std::wstring& path, std::string& bytes);
// Reads through a handle that may also write, sharing both: a file that
// another program (the running game) holds without write sharing, or that
// may not be written, is refused here before anything is copied or changed.
DWORD ReadForRewrite(const std::wstring& path, std::string& bytes);
// Replaces the file's content with exactly these bytes and flushes it to
// disk before returning. OPEN_ALWAYS puts back a file that was deleted;
// CREATE_NEW never replaces one.
DWORD Write(const std::wstring& path, const std::string& bytes, DWORD creation);

// Creates the folder and any missing parents.
DWORD CreateFolders(const std::wstring& path);
// Deletes the folder with everything in it.
void DeleteTree(const std::wstring& path);

std::wstring FileNameOf(const std::wstring& path);

// The system's text for an error code, in the program's code page, without
// its closing line end.
std::string SystemMessage(DWORD error);

}  // namespace WinFile
