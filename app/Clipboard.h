// Puts a text on the clipboard as Unicode text, as every program pastes it.
#pragma once

#include <windows.h>

#include <string>

bool CopyToClipboard(HWND owner, const std::string& text);
