// The dots per inch a window is shown at, which the system's text size and
// scale settings set: GetDpiForWindow where the system has it (Windows 10
// version 1607 on, so it is looked up at run time), otherwise the screen's
// logical DPI.
#pragma once

#include <windows.h>

int WindowDpi(HWND window);

// A length given at 96 DPI, at another DPI.
inline int ScaledToDpi(int length, int dpi) { return MulDiv(length, dpi, USER_DEFAULT_SCREEN_DPI); }
