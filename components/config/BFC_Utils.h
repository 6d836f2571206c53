#pragma once

#include <string>

// Completes a folder path so that a file name can be appended to it: a bare
// drive letter becomes the drive's root, a path not already ending in ":" or
// "\" gains a backslash, and the empty path stays empty.
std::string AddBackslash(const std::string& path);
