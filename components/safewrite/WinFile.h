// Whole-file reads and flushed writes through the W file functions. Paths
// are UTF-8, as the program holds them. Every call returns 0 or the system's
// error code, which the caller turns into a reason for the user.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace WinFile {

// Reads the whole file (at most `most` bytes) from its start, through a
// handle already open.
DWORD ReadFrom(HANDLE file, std::string& bytes, uint64_t most = UINT64_MAX);
// Replaces the content of a file open for writing with exactly these bytes
// and flushes it.
DWORD WriteOver(HANDLE file, const std::string& bytes);
// Where the platform reached the file through the handle, links followed:
// its volume and its path on that volume, one text to compare letter case
// aside; empty when it cannot tell.
std::string OpenedPath(HANDLE file);

DWORD Read(const std::string& path, std::string& bytes);
// Reads through a handle that may also write, sharing both: a file that
// another program (the running game) holds without write sharing, or that
// may not be written, is refused here before anything is copied or changed.
DWORD ReadForRewrite(const std::string& path, std::string& bytes);
// Replaces the file's content with exactly these bytes and flushes it to
// disk before returning. OPEN_ALWAYS puts back a file that was deleted;
// CREATE_NEW never replaces one.
DWORD Write(const std::string& path, const std::string& bytes, DWORD creation);
// Adds the bytes at the end of the file, made when missing, and flushes them.
// A failed addition is cut off again, so that what the file held before is
// never followed by a torn piece.
DWORD Append(const std::string& path, const std::string& bytes);

// INVALID_FILE_ATTRIBUTES, with the last error set, when nothing is there.
DWORD Attributes(const std::string& path);
bool Exists(const std::string& path);
void Delete(const std::string& path);
// True when the two names are the same file name, letter case aside.
bool SameFileName(const std::string& a, const std::string& b);

std::string FileNameOf(const std::string& path);

// The system's text for an error code, without its closing line end.
std::string SystemMessage(DWORD error);

}  // namespace WinFile
