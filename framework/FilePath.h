// Paths as the wide file functions take them, at any length the platform
// accepts. Below the classic 260 UTF-16 units a path goes as it is, so that
// nothing changes for the paths every program handles; a longer one goes in
// its extended form ("\\?\C:\..." or "\\?\UNC\server\share\..."), which the
// file functions take up to 32,767 units whatever the system's long-path
// setting. The extended form is made from the full path, so relative parts,
// "/" and "." and ".." mean what they mean in a short path.
#pragma once

#include <string>

// The longest path the file functions take, in UTF-16 units, the extended
// prefix and the terminating zero included.
constexpr size_t LongestFilePath = 32767;

// The wide path to hand to a file function.
std::wstring FilePathW(const std::string& path);
std::wstring FilePathW(const std::wstring& path);
// True when the file functions can take the path at all.
bool FitsFilePath(const std::string& path);

// The full path, as the platform completes a relative one and reads "/",
// "." and ".."; empty when it cannot.
std::wstring FullPathW(const std::wstring& path);
// A path the platform gave back, without the extended prefix of a drive or
// share path; any other path as it is.
std::wstring PlainPathW(const std::wstring& path);
// "\\?\", "\\.\" and "\??\" forms, which name devices and objects as well as files.
bool IsDevicePath(const std::wstring& path);
